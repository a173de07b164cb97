// What the editor remembers per user between sessions: the window's size, whether
// it was maximised, the panels' sizes and the grid's unit. Kept in the user's
// configuration folder ($XDG_CONFIG_HOME/flashstep, else ~/.config/flashstep),
// never in a show's folder; a missing or unreadable file gives the defaults.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "script/BeatGrid.h"

struct EditorSettings {
    int32_t windowWidth = 0;  // 0: no size remembered
    int32_t windowHeight = 0;
    bool maximized = false;
    float columnWidth = 0.0f;  // window pixels; 0: the default layout
    float stripHeight = 0.0f;
    GridUnit gridUnit = GridUnit::QuarterBeat;

    bool operator==(const EditorSettings& other) const;
    bool operator!=(const EditorSettings& other) const { return !(*this == other); }
};

// The file: $XDG_CONFIG_HOME/flashstep/editor.conf when that variable holds an
// absolute path, else $HOME/.config/flashstep/editor.conf; empty when neither is known.
std::string editorSettingsPath();
EditorSettings readEditorSettings(const std::string& path);
// Written whole through a temporary file beside it (the folder made when missing);
// false when it could not be.
bool writeEditorSettings(const std::string& path, const EditorSettings& settings);

// The grid units by the names the settings and the transport bar use.
const char* gridUnitName(GridUnit unit);
std::optional<GridUnit> gridUnitNamed(const std::string& name);
