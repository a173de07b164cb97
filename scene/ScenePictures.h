// Every picture the show asks the texture store for, in the order it asks: the
// scene's own, then the overlay's. One table that the scene's construction, the
// decoding ahead and the checks all read, so they can never disagree.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/ImagePrefetch.h"

// The scene's own requests by slot, in request order. The glow's start picture
// and the bead reflection are one file, asked for twice.
enum ScenePictureSlot : int32_t {
    PICTURE_GLOW_START = 0,
    PICTURE_NOISE,
    PICTURE_REFLECTION,
    PICTURE_ELEKTRO_FIRST,
    SCENE_PICTURE_SLOTS = PICTURE_ELEKTRO_FIRST + 4,
};

const PictureLoad& scenePicture(ScenePictureSlot slot);
// Every request of the show in order: the scene's slots, then the overlay's pictures.
std::vector<PictureLoad> showPictureLoads();
