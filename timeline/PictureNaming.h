// How an overlay picture is named to a person: by its slot and the name of its file, as the
// script has it ("6 logo.png"), for the timeline's lanes and any other view of the show.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "script/DemoScript.h"

// The file each overlay slot shows for this script: its own name, or the usual one.
std::array<std::string, PICTURE_SLOTS> overlayPictureFiles(const DemoScript& script);

// "6 logo.png": the slot, then the file without its folders, a name longer than `longest`
// characters cut in its middle ("6 a-very-lo…name.png"). A file "" gives "picture 6".
std::string pictureLabel(int32_t slot, const std::string& file, std::size_t longest = 18);
