// README.txt of a new show: what each file is and the commands to go on with.
#pragma once

#include <string>

#include "newshow/ShowSong.h"

std::string showReadme(const ShowSong& song);
