// A moment of the show, kept to go back to: the driver's state, the script queue's
// place and sync pattern, the scene (see SceneState) and the random sequence. The
// song's position, the GL's lists and textures are the caller's.
#pragma once

#include <cstdint>

#include "demo/DemoState.h"
#include "scene/SceneState.h"

class ShowState {
public:
    // The show as it is now; the driver must be running.
    ShowState();
    // Puts it all back; the bead lists are not compiled here.
    void restore() const;

private:
    float flash_ = 0.0f;
    float cameraDirection_[3] = {};
    float cameraDistance_ = 0.0f;
    float nextStepTime_ = 0.0f;
    bool sync_ = false;
    bool randomCamera_ = false;
    bool firstFrameDone_ = false;
    demo::FrameReport lastFrame_;
    int32_t cursor_ = 0;
    int32_t syncIndex_ = 0;
    bool syncPattern_[DemoScript::SYNC_STEPS] = {};
    uint32_t randomState_ = 0;
    uint64_t randomDraws_ = 0;
    SceneState scene_;
};
