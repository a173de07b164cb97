// Copying the driver's process-wide state and the script queue's place out and back.
#include "demo/ShowState.h"

#include <algorithm>
#include <iterator>

#include "base/Random.h"

ShowState::ShowState()
    : flash_(demo::flash),
      cameraDistance_(demo::cameraDistance),
      nextStepTime_(demo::nextStepTime),
      sync_(demo::sync),
      randomCamera_(demo::randomCamera),
      firstFrameDone_(demo::firstFrameDone),
      lastFrame_(demo::lastFrame),
      cursor_(demo::script->cursor),
      syncIndex_(demo::script->syncIndex),
      randomState_(randomState()),
      randomDraws_(randomDrawCount()),
      scene_(*demo::scene) {
    std::copy(std::begin(demo::cameraDirection), std::end(demo::cameraDirection), cameraDirection_);
    std::copy(std::begin(demo::script->syncPattern), std::end(demo::script->syncPattern), syncPattern_);
}

void ShowState::restore() const {
    demo::flash = flash_;
    std::copy(std::begin(cameraDirection_), std::end(cameraDirection_), demo::cameraDirection);
    demo::cameraDistance = cameraDistance_;
    demo::nextStepTime = nextStepTime_;
    demo::sync = sync_;
    demo::randomCamera = randomCamera_;
    demo::firstFrameDone = firstFrameDone_;
    demo::lastFrame = lastFrame_;
    demo::script->cursor = cursor_;
    demo::script->syncIndex = syncIndex_;
    std::copy(std::begin(syncPattern_), std::end(syncPattern_), demo::script->syncPattern);
    randomRestore(randomState_, randomDraws_);
    scene_.restore(*demo::scene);
}
