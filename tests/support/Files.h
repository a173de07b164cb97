// Whole files in and out, bytes as they are, for tests.
#pragma once

#include <string>

// The file's bytes; empty when it cannot be read.
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
// The types of an MP4's top-level boxes, in file order, run together ("ftypmoovmdat").
std::string topLevelBoxes(const std::string& mp4);
