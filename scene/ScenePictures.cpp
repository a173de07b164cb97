// The table of the scene's pictures; the overlay keeps its own, by picture index. What shows
// each picture: its layer's switch for the scene's, showImage (or titleImages for the titles)
// for the overlay's.
#include "scene/ScenePictures.h"

#include <unistd.h>

#include "base/RegularFile.h"
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

static_assert(PICTURE_SLOTS == OverlayPictures::MAX_IMAGES - 2, "the script names every overlay slot");

bool switchedOn(const DemoScript& script, int32_t kind) {
    for (int32_t i = 0; i < script.eventCount; ++i) {
        if (script.events[i].kind == kind && script.events[i].isOn) return true;
    }
    return false;
}

// The switch of each role's layers, besides which nothing draws the role's texture.
bool roleShown(const DemoScript& script, TextureRole role) {
    switch (role) {
        case ROLE_REFLECT:  // the glow captures the bead shell, palikat on or not
            return switchedOn(script, EVENT_PALIKAT) || switchedOn(script, EVENT_WIREFRAME) ||
                   switchedOn(script, EVENT_HOHTO);
        case ROLE_NOISE:
            return switchedOn(script, EVENT_PUTKI);
        default:
            return switchedOn(script, EVENT_ELEKTRO);
    }
}

bool slotShown(const DemoScript& script, int32_t slot) {
    if (slot >= TITLE_FIRST && slot < TITLE_FIRST + TITLE_COUNT && switchedOn(script, EVENT_TITLE_IMAGES))
        return true;
    for (int32_t i = 0; i < script.eventCount; ++i) {
        const ScriptEvent& event = script.events[i];
        if (event.kind == EVENT_SHOW_IMAGE && event.value >= static_cast<float>(slot) &&
            event.value < static_cast<float>(slot + 1))
            return true;
    }
    return false;
}

bool canOpen(const std::string& file) {
    const int descriptor = openRegularFile(file.c_str());
    if (descriptor < 0) return false;
    close(descriptor);
    return true;
}

// A picture nobody sees is not asked for unless its files are there.
void settle(ShowPicture& picture, bool shown) {
    picture.shown = shown;
    picture.skipped = !shown && !(canOpen(picture.file) && (picture.mask.empty() || canOpen(picture.mask)));
}

ShowPicture usual(const PictureLoad& load) {
    return {load.fileName, load.maskFileName};
}

}  // namespace

std::vector<PictureLoad> ShowPictures::loads() const {
    std::vector<PictureLoad> requests;
    for (const ShowPicture& picture : scene) {
        if (!picture.skipped) requests.push_back(picture.load());
    }
    for (const ShowPicture& picture : overlay) {
        if (!picture.skipped) requests.push_back(picture.load());
    }
    return requests;
}

ShowPictures usualShowPictures() {
    ShowPictures pictures;
    for (int32_t slot = 0; slot < SCENE_PICTURE_SLOTS; ++slot)
        pictures.scene[slot] = usual(SCENE_PICTURES[slot]);
    const std::vector<PictureLoad> overlay = ImageOverlay::pictureLoads();
    for (int32_t slot = 0; slot < PICTURE_SLOTS; ++slot) pictures.overlay[slot] = usual(overlay[slot]);
    return pictures;
}

ShowPictures showPicturesOf(const DemoScript& script) {
    ShowPictures pictures = usualShowPictures();
    for (int32_t role = 0; role < TEXTURE_ROLES; ++role) {
        const std::string named = script.pictures.roles[role];
        for (const ScenePictureSlot slot : sceneSlotsOf(static_cast<TextureRole>(role))) {
            ShowPicture& picture = pictures.scene[slot];
            if (!named.empty()) {
                // A texture whose own grey is its mask keeps that with a file of its own.
                if (!picture.mask.empty()) picture.mask = named;
                picture.file = named;
                picture.named = true;
            }
            settle(picture, roleShown(script, static_cast<TextureRole>(role)));
        }
    }
    for (int32_t slot = 0; slot < PICTURE_SLOTS; ++slot) {
        ShowPicture& picture = pictures.overlay[slot];
        const std::string named = script.pictures.slots[slot];
        if (!named.empty()) picture = {named, "", true};
        settle(picture, slotShown(script, slot));
    }
    return pictures;
}

const PictureLoad& scenePicture(ScenePictureSlot slot) {
    return SCENE_PICTURES[slot];
}

std::vector<PictureLoad> showPictureLoads() {
    std::vector<PictureLoad> loads(std::begin(SCENE_PICTURES), std::end(SCENE_PICTURES));
    for (const PictureLoad& load : ImageOverlay::pictureLoads()) loads.push_back(load);
    return loads;
}

std::vector<ScenePictureSlot> sceneSlotsOf(TextureRole role) {
    switch (role) {
        case ROLE_REFLECT:
            return {PICTURE_GLOW_START, PICTURE_REFLECTION};
        case ROLE_NOISE:
            return {PICTURE_NOISE};
        default:
            return {static_cast<ScenePictureSlot>(PICTURE_ELEKTRO_FIRST + (role - ROLE_ELEKTRO1))};
    }
}
