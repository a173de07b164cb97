// Test helper: writes a script text to a scratch folder and loads it as the player would.
// The folder is gone afterwards; a DemoScript never reads its file again.
#pragma once

#include <memory>
#include <string>

#include "script/DemoScript.h"
#include "tests/support/TempDir.h"

inline std::unique_ptr<DemoScript> loadScript(const std::string& text) {
    const TempDir dir;
    const std::string path = dir.write("script.txt", text);
    return std::make_unique<DemoScript>(path.c_str());
}
