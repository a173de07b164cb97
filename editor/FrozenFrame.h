// A copy of the show's latest picture, so that while the show is paused the
// editor's panels can be drawn again (hover, drags, showing and hiding them)
// without running a frame of the show.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/PictureArea.h"

class FrozenFrame {
public:
    FrozenFrame() = default;
    ~FrozenFrame();  // the GL context must still be current
    FrozenFrame(const FrozenFrame&) = delete;
    FrozenFrame& operator=(const FrozenFrame&) = delete;

    // Copies the picture just drawn, `box` of the read buffer.
    void copy(const PixelBox& box);
    // Puts the copy back where it was taken, pixel for pixel; false when there is none.
    bool draw();

private:
    std::vector<uint8_t> pixels_;  // RGBA, bottom row first
    PixelBox box_;
    uint32_t texture_ = 0;   // the copy on the GL side, made when first drawn
    bool uploaded_ = false;  // the texture holds the latest copy
};
