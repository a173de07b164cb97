// What an edit of a script gives back, and the check every edit ends with: the new text is read
// through the loader again and must hold exactly the events intended (time, keyword, argument, in
// file order) under the same final tempo; otherwise the edit is refused and the text kept.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "script/ScriptText.h"

struct ScriptEditResult {
    std::string text;       // the script after the edit; the text given when refused
    std::string refusal;    // why nothing was changed; empty when the edit was made
    int32_t rewritten = 0;  // statements whose line changed
    bool done() const { return refusal.empty(); }
};

// An entry as the player takes it.
struct EntryFacts {
    bool isEnd = false;
    int32_t timeMs = 0;
    std::string keyword;
    std::string argument;
    bool operator==(const EntryFacts& other) const {
        return isEnd == other.isEnd && timeMs == other.timeMs && keyword == other.keyword &&
               argument == other.argument;
    }
};

std::vector<EntryFacts> factsOf(const ScriptText& script);

ScriptEditResult refused(const ScriptText& script, std::string why);
// The edit made, once `text` reads back as `expected` with `script`'s final tempo.
ScriptEditResult checkedEdit(const ScriptText& script, std::string text, const std::vector<EntryFacts>& expected,
                             int32_t rewritten);

// "line 12 at 15:0 (28.80 s)": where an entry stands and when it is due, as people look it up.
std::string describeEntry(const ScriptText& script, const ScriptEntry& entry);
// "15:0 (28.80 s)" for a time word and the time it stands for.
std::string describeTime(const std::string& word, int32_t ms);
