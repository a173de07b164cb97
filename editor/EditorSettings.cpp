// One "key value" line per setting; lines it does not know are left out, so an
// older or newer file never stops the editor from starting.
#include "editor/EditorSettings.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::pair<GridUnit, const char*>, 5> UNIT_NAMES = {{{GridUnit::Pattern, "pattern"},
                                                                         {GridUnit::Beat, "beat"},
                                                                         {GridUnit::HalfBeat, "half"},
                                                                         {GridUnit::QuarterBeat, "quarter"},
                                                                         {GridUnit::Step, "step"}}};
constexpr int32_t LARGEST_SIDE = 1 << 15;

bool absolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

// A whole number of pixels, or nothing.
std::optional<int32_t> sideOf(const std::string& text) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != '\0' || value <= 0 || value > LARGEST_SIDE) return std::nullopt;
    return static_cast<int32_t>(value);
}

void take(EditorSettings& settings, const std::string& key, const std::string& value) {
    if (key == "window") {
        const std::size_t x = value.find('x');
        const auto width = x == std::string::npos ? std::nullopt : sideOf(value.substr(0, x));
        const auto height = x == std::string::npos ? std::nullopt : sideOf(value.substr(x + 1));
        if (width && height) {
            settings.windowWidth = *width;
            settings.windowHeight = *height;
        }
    } else if (key == "maximized") {
        settings.maximized = value == "yes";
    } else if (key == "column" || key == "strip") {
        if (const auto pixels = sideOf(value))
            (key == "column" ? settings.columnWidth : settings.stripHeight) = static_cast<float>(*pixels);
    } else if (key == "grid") {
        if (const auto unit = gridUnitNamed(value)) settings.gridUnit = *unit;
    }
}

}  // namespace

bool EditorSettings::operator==(const EditorSettings& other) const {
    return windowWidth == other.windowWidth && windowHeight == other.windowHeight &&
           maximized == other.maximized && columnWidth == other.columnWidth &&
           stripHeight == other.stripHeight && gridUnit == other.gridUnit;
}

std::string editorSettingsPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (absolute(config)) return (fs::path(config) / "flashstep" / "editor.conf").string();
    const char* home = std::getenv("HOME");
    if (absolute(home)) return (fs::path(home) / ".config" / "flashstep" / "editor.conf").string();
    return "";
}

EditorSettings readEditorSettings(const std::string& path) {
    EditorSettings settings;
    if (path.empty()) return settings;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line);
        std::string key;
        std::string value;
        if (words >> key >> value && key[0] != '#') take(settings, key, value);
    }
    return settings;
}

bool writeEditorSettings(const std::string& path, const EditorSettings& settings) {
    if (path.empty()) return false;
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    const std::string temporary = path + ".new" + std::to_string(getpid());
    {
        std::ofstream file(temporary, std::ios::trunc);
        file << "# flashstep --edit: the window and its panels as they were left\n";
        if (settings.windowWidth > 0 && settings.windowHeight > 0)
            file << "window " << settings.windowWidth << 'x' << settings.windowHeight << '\n';
        file << "maximized " << (settings.maximized ? "yes" : "no") << '\n';
        if (settings.columnWidth > 0.0f) file << "column " << static_cast<int32_t>(settings.columnWidth) << '\n';
        if (settings.stripHeight > 0.0f) file << "strip " << static_cast<int32_t>(settings.stripHeight) << '\n';
        file << "grid " << gridUnitName(settings.gridUnit) << '\n';
        file.flush();
        if (!file) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

const char* gridUnitName(GridUnit unit) {
    for (const auto& [known, name] : UNIT_NAMES) {
        if (known == unit) return name;
    }
    return "quarter";
}

std::optional<GridUnit> gridUnitNamed(const std::string& name) {
    for (const auto& [unit, known] : UNIT_NAMES) {
        if (name == known) return unit;
    }
    return std::nullopt;
}
