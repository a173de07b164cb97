// The window's name: the show's own title from its script, or the player's.
#pragma once

#include <string>

// The title `init title` gives in the script at `scriptFile`; without one (or without
// a script), the player's own.
std::string windowTitleOf(const char* scriptFile);
