// Every picture file the show loads, once each, with everything the show uses it
// for and the size it has in the example show: what a placeholder for it says.
// Read from the show's own table of pictures, so it never disagrees with the player.
#pragma once

#include <string>
#include <vector>

struct ShowPictureFile {
    std::string path;                  // as the show loads it, from the show's folder
    std::vector<std::string> uses;     // "overlay picture 9", "mask of overlay picture 7", ...
    std::vector<int> overlayPictures;  // the overlay picture numbers it is drawn as
    std::vector<int> sceneSlots;       // the scene's slots (ScenePictureSlot) it fills
    int width = 640;
    int height = 480;
    bool onlyAMask = false;  // never drawn itself: white lets its picture show
};

std::vector<ShowPictureFile> showPictureFiles();
