// Every picture the show asks the texture store for, in the order it asks: the
// scene's own, then the overlay's. One table that the scene's construction, the
// decoding ahead and the checks all read, so they can never disagree. A script
// may name other files for the overlay's slots and the scene's roles, and a
// picture it never shows needs no file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/ImagePrefetch.h"
#include "script/DemoScript.h"

// The scene's own requests by slot, in request order. The glow's start picture
// and the bead reflection are one file, asked for twice.
enum ScenePictureSlot : int32_t {
    PICTURE_GLOW_START = 0,
    PICTURE_NOISE,
    PICTURE_REFLECTION,
    PICTURE_ELEKTRO_FIRST,
    SCENE_PICTURE_SLOTS = PICTURE_ELEKTRO_FIRST + 4,
};

// The overlay slots titleImages picks from.
constexpr int32_t TITLE_FIRST = 1;
constexpr int32_t TITLE_COUNT = 5;

// One picture of a show: its file and its mask ("" for none).
struct ShowPicture {
    std::string file;
    std::string mask;
    bool named = false;  // the script gives its file
    bool shown = true;   // the script ever shows it
    // Not shown and its files not there: nothing is loaded and nothing said.
    bool skipped = false;
    PictureLoad load() const { return {file.c_str(), mask.c_str()}; }
};

struct ShowPictures {
    std::array<ShowPicture, SCENE_PICTURE_SLOTS> scene;
    std::array<ShowPicture, PICTURE_SLOTS> overlay;
    // What the store is asked for, in order, skipped pictures left out; valid while this lives.
    std::vector<PictureLoad> loads() const;
};

// Every picture by its usual file, every one shown.
ShowPictures usualShowPictures();
// The pictures as `script` names and shows them.
ShowPictures showPicturesOf(const DemoScript& script);

// The scene's usual requests.
const PictureLoad& scenePicture(ScenePictureSlot slot);
// Every usual request of the show in order: the scene's slots, then the overlay's pictures.
std::vector<PictureLoad> showPictureLoads();
// The scene slots a texture role fills.
std::vector<ScenePictureSlot> sceneSlotsOf(TextureRole role);
