// The capture's frame observer: each drawn frame read back through pixel buffer
// objects a frame behind, handed to a writer thread that feeds the encoder.
#pragma once

#include <cstdint>
#include <memory>

#include "gfx/PixelPackRing.h"
#include "offscreen/FrameWriter.h"
#include "offscreen/ProgressBar.h"
#include "player/Player.h"

class CaptureRecorder : public FrameObserver {
public:
    CaptureRecorder(PipedProgram& encoder, const RunPlan& plan, bool quiet);

    // Asks for this frame's pixels and passes the oldest asked-for frame on; the
    // run's last frame passes every frame still waiting.
    bool frameDrawn(const PlayerFrame& frame) override;
    // Waits until the encoder has been handed every frame passed on; the frames written.
    int64_t finish();

    bool failed = false;  // a frame could not be read back or written

private:
    bool passOldest();
    bool passAll();

    int64_t total_ = 0;
    int64_t asked_ = 0;
    int64_t passed_ = 0;
    FrameWriter writer_;
    ProgressBar progress_;
    std::unique_ptr<PixelPackRing> reads_;
};
