// Whether the decoder takes a PNG, read from its header alone: libpng reads the chunks up to the
// first picture data and checks them; its messages are kept as text, never printed.
#pragma once

#include <cstdio>
#include <string>

// Why the PNG open at the start of `file` will not decode; empty when it will.
std::string pngHeaderProblem(std::FILE* file);
