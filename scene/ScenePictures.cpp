// The table of the scene's pictures; the overlay keeps its own, by picture index.
#include "scene/ScenePictures.h"

#include "overlay/ImageOverlay.h"
#include "scene/RgbGlow.h"

namespace {

// The noise picture carries its own alpha mask.
constexpr PictureLoad SCENE_PICTURES[SCENE_PICTURE_SLOTS] = {
    {RgbGlow::PICTURE_FILE, ""},       {"data/noise.jpg", "data/noise.jpg"},
    {RgbGlow::PICTURE_FILE, ""},       {"data/elektro1.jpg", ""},
    {"data/elektro2.jpg", ""},         {"data/elektro3.jpg", ""},
    {"data/elektro4.jpg", ""},
};

}  // namespace

const PictureLoad& scenePicture(ScenePictureSlot slot) {
    return SCENE_PICTURES[slot];
}

std::vector<PictureLoad> showPictureLoads() {
    std::vector<PictureLoad> loads(std::begin(SCENE_PICTURES), std::end(SCENE_PICTURES));
    for (const PictureLoad& load : ImageOverlay::pictureLoads()) loads.push_back(load);
    return loads;
}
