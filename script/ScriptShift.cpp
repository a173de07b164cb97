// Shifting works in beats, not in the loader's truncated milliseconds, so that 1 + 1 beat at
// 130 bpm is written 2 (923 ms), not 1.998 (461 + 461 ms). The words are replaced from the last
// to the first, which keeps the earlier ones' byte places valid.
#include "script/ScriptShift.h"

#include <optional>

#include "script/TimeWordWriter.h"

namespace {

struct ShiftedWord {
    std::size_t entry = 0;
    int32_t ms = 0;
    std::string word;
};

double shiftedBeats(const ScriptEntry& entry, double byMs) {
    return beatPosition(entry.reading, entry.tempo) + byMs / entry.tempo.beatMs();
}

// The event that stays but would be passed by a shift back: one later than the earliest shifted
// time. Events at equal times keep their file order, so meeting one is no crossing.
const ScriptEntry* passedEvent(const ScriptText& script, double fromMs, int32_t earliestShiftedMs) {
    const ScriptEntry* passed = nullptr;
    for (const ScriptEntry& entry : script.entries()) {
        if (!entry.isEnd && entry.timeMs < fromMs && entry.timeMs > earliestShiftedMs &&
            (passed == nullptr || entry.timeMs > passed->timeMs))
            passed = &entry;
    }
    return passed;
}

}  // namespace

ScriptEditResult shiftEvents(const ScriptText& script, double fromMs, double byMs) {
    const std::vector<ScriptEntry>& entries = script.entries();
    std::vector<ShiftedWord> shifted;
    std::optional<std::size_t> earliest;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ScriptEntry& entry = entries[i];
        if (entry.timeMs < fromMs) continue;
        const double beats = shiftedBeats(entry, byMs);
        // Checked in beats: the loader's division truncates toward zero, so a time just before 0 reads as 0.
        if (beats < -1e-9)
            return refused(script, "it would move " + describeEntry(script, entry) + " before the song's start");
        const int32_t ms = positionMs(beats, formOf(entry.reading), entry.tempo);
        if (ms == entry.timeMs) continue;  // a shift under a millisecond: the word stays as written
        const std::optional<std::string> word = writeTimeWord(ms, formOf(entry.reading), entry.tempo);
        if (!word) return refused(script, "no time word gives " + describeEntry(script, entry) + " its new time");
        if (!entry.isEnd && (!earliest || ms < shifted[*earliest].ms)) earliest = shifted.size();
        shifted.push_back({i, ms, *word});
    }
    if (earliest) {
        const ShiftedWord& first = shifted[*earliest];
        const ScriptEntry* passed = passedEvent(script, fromMs, first.ms);
        if (passed != nullptr)
            return refused(script, "it would move " + describeEntry(script, entries[first.entry]) + " to " +
                                       describeTime(first.word, first.ms) + ", past " +
                                       describeEntry(script, *passed) +
                                       ", which stays: shift back by less, or from an earlier time");
    }
    std::string text = script.bytes();
    std::vector<EntryFacts> expected = factsOf(script);
    for (auto at = shifted.rbegin(); at != shifted.rend(); ++at) {
        const ScriptEntry& entry = entries[at->entry];
        text.replace(entry.timeAt, entry.timeLength, at->word);
        expected[at->entry].timeMs = at->ms;
    }
    return checkedEdit(script, std::move(text), expected, static_cast<int32_t>(shifted.size()));
}
