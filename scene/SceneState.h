// A copy of everything in the scene that a frame can change, for going back to a
// moment of the show: the animation, the switches, the overlay's pictures, the
// fringes, the latest sync action's decisions and the angles left on textures.
// GL objects are not in it: the bead lists are compiled again from the decisions,
// and the capture textures' pixels are the caller's to keep.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "scene/Scene.h"

class SceneState {
public:
    explicit SceneState(const Scene& scene);
    // Puts the scene back as it was; the bead lists are not compiled here.
    void restore(Scene& scene) const;

private:
    struct Fields;
    std::shared_ptr<const Fields> fields_;
};
