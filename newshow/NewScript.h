// The script of a new show: every layer and every kind of event once, each line
// with a note saying what it does, laid out over the song it plays to.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct NewScriptSong {
    std::string songFile;  // as the script names it, from the show's folder
    int32_t bpm = 125;
    std::optional<int32_t> offsetMs;         // written as "init offset" when known
    int patterns = 18;                       // whole patterns the song holds from its first beat
    std::string title = "A flashstep show";  // the window's name
};

// The moments of the show are laid out over this many patterns; a song of other
// length spreads them out or draws them together.
constexpr int TEMPLATE_PATTERNS = 18;

std::string newShowScript(const NewScriptSong& song);
