// Reading an edit back: a second reading through the same reader, compared entry by entry.
#include "script/EditOutcome.h"

#include <cstdio>

namespace {

std::string seconds(int32_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", ms / 1000.0);
    return text;
}

// The first entry where `got` and `expected` part, or their common length.
std::size_t firstDifference(const std::vector<EntryFacts>& got, const std::vector<EntryFacts>& expected) {
    std::size_t i = 0;
    while (i < got.size() && i < expected.size() && got[i] == expected[i]) ++i;
    return i;
}

}  // namespace

std::vector<EntryFacts> factsOf(const ScriptText& script) {
    std::vector<EntryFacts> facts;
    for (const ScriptEntry& entry : script.entries())
        facts.push_back({entry.isEnd, entry.timeMs, entry.keyword, entry.argument});
    return facts;
}

ScriptEditResult refused(const ScriptText& script, std::string why) {
    return {script.bytes(), std::move(why), 0};
}

ScriptEditResult checkedEdit(const ScriptText& script, std::string text, const std::vector<EntryFacts>& expected,
                             int32_t rewritten) {
    const ScriptText after(text);
    const std::vector<EntryFacts> got = factsOf(after);
    if (after.finalTempo() != script.finalTempo()) return refused(script, "the edit would change the tempo");
    const std::size_t at = firstDifference(got, expected);
    if (at < got.size() || at < expected.size()) {
        const std::string where = at < after.entries().size() ? describeEntry(after, after.entries()[at])
                                                              : "the end of the file";
        return refused(script, "the rewritten script does not read back as intended at " + where);
    }
    return {std::move(text), "", rewritten};
}

std::string describeEntry(const ScriptText& script, const ScriptEntry& entry) {
    return "line " + std::to_string(entry.line) + " at " + describeTime(script.timeWord(entry), entry.timeMs);
}

std::string describeTime(const std::string& word, int32_t ms) {
    return word + " (" + seconds(ms) + ")";
}
