// Placeholder pictures for a new show: every picture file the show loads, painted
// with its name, what the show uses it for and its size, so that on screen each
// file says which it is. Written as JPEG under the show's folder.
#pragma once

#include <string>

#include "generator/TextRenderer.h"

// False, with the file that could not be written in `failed`, on the first failure.
bool writePlaceholders(const std::string& showFolder, TextRenderer& text, std::string& failed);
