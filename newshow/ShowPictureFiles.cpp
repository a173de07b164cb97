// The scene's pictures come first in the show's table, by slot, then the overlay's
// by picture number; a file named twice collects both uses.
#include "newshow/ShowPictureFiles.h"

#include <algorithm>

#include "scene/ScenePictures.h"

namespace {

struct SceneRole {
    const char* use;
    int width;
    int height;
};

// What each scene slot is for, and its size in the example show.
constexpr SceneRole SCENE_ROLES[SCENE_PICTURE_SLOTS] = {
    {"the glow's first picture", 256, 256},   {"the tube's texture (putki)", 256, 256},
    {"the beads' reflection", 256, 256},      {"electric bands 1 (elektro)", 512, 256},
    {"electric bands 2 (elektro)", 512, 256}, {"electric bands 3 (elektro)", 512, 256},
    {"electric bands 4 (elektro)", 512, 256},
};

ShowPictureFile& entryFor(std::vector<ShowPictureFile>& files, const std::string& path) {
    const auto found = std::find_if(files.begin(), files.end(),
                                    [&path](const ShowPictureFile& file) { return file.path == path; });
    if (found != files.end()) return *found;
    files.push_back({path, {}, {}, {}, 640, 480, true});
    return files.back();
}

void addUse(std::vector<ShowPictureFile>& files, const PictureLoad& load, const std::string& use,
            const SceneRole* role) {
    ShowPictureFile& picture = entryFor(files, load.fileName);
    picture.uses.push_back(use);
    picture.onlyAMask = false;
    if (role != nullptr) {
        picture.width = role->width;
        picture.height = role->height;
    }
    const std::string mask = load.maskFileName;
    if (mask.empty()) return;
    if (mask == load.fileName) {
        picture.uses.back() += ", its own mask";
        return;
    }
    entryFor(files, mask).uses.push_back("mask of " + use);
}

}  // namespace

std::vector<ShowPictureFile> showPictureFiles() {
    const std::vector<PictureLoad> loads = showPictureLoads();
    std::vector<ShowPictureFile> files;
    for (std::size_t i = 0; i < loads.size(); ++i) {
        if (i < SCENE_PICTURE_SLOTS) {
            addUse(files, loads[i], SCENE_ROLES[i].use, &SCENE_ROLES[i]);
            entryFor(files, loads[i].fileName).sceneSlots.push_back(static_cast<int>(i));
        } else {
            const int number = static_cast<int>(i) - SCENE_PICTURE_SLOTS;
            addUse(files, loads[i], "overlay picture " + std::to_string(number), nullptr);
            entryFor(files, loads[i].fileName).overlayPictures.push_back(number);
        }
    }
    return files;
}
