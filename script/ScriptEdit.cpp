// Moving, deleting and inserting event lines. Each edit states the events it expects afterwards
// and leaves the rest to the read-back in EditOutcome.cpp.
#include "script/ScriptEdit.h"

#include <algorithm>
#include <cctype>

#include "script/EventPlacement.h"
#include "script/ScriptStatements.h"
#include "script/TextLines.h"

namespace {

// The bytes of the time word written for `ms` in `form` under `tempo`, or a refusal.
struct Word {
    std::string text;
    std::string refusal;
};

Word timeWordFor(int32_t ms, TimeForm form, const ScriptTempo& tempo) {
    if (ms < 0) return {"", "a time cannot be before the song's start"};
    const std::optional<std::string> word = writeTimeWord(ms, form, tempo);
    if (word) return {*word, ""};
    return {"", std::to_string(ms) + " ms cannot be written as a " +
                    (form == TimeForm::Beats ? "beat" : "pattern:beat") + " time at " +
                    std::to_string(tempo.bpm) + " bpm"};
}

std::size_t lineIndex(const ScriptEntry& entry) {
    return static_cast<std::size_t>(entry.line - 1);
}

// The entry's line with `word` in place of its time word.
std::string lineWithWord(const ScriptText& script, const ScriptEntry& entry, const TextLines& lines,
                         const std::string& word) {
    const std::size_t feed = script.bytes().rfind('\n', entry.timeAt);
    const std::size_t lineStart = feed == std::string::npos ? 0 : feed + 1;
    std::string content = lines[lineIndex(entry)].content;
    return content.replace(entry.timeAt - lineStart, entry.timeLength, word);
}

std::string withWord(const ScriptText& script, const ScriptEntry& entry, const std::string& word) {
    std::string text = script.bytes();
    return text.replace(entry.timeAt, entry.timeLength, word);
}

EntryFacts factsAt(const ScriptEntry& entry, int32_t ms) {
    return {false, ms, entry.keyword, entry.argument};
}

ScriptEditResult moveInPlace(const ScriptText& script, std::size_t index, int32_t ms) {
    const ScriptEntry& entry = script.entries()[index];
    const Word word = timeWordFor(ms, formOf(entry.reading), entry.tempo);
    if (!word.refusal.empty()) return refused(script, word.refusal);
    std::vector<EntryFacts> expected = factsOf(script);
    expected[index].timeMs = ms;
    return checkedEdit(script, withWord(script, entry, word.text), expected, 1);
}

std::string wordRefusal(const char* what, const std::string& word, std::size_t longest) {
    if (word.empty()) return std::string("the ") + what + " is empty";
    if (word.size() > longest)
        return std::string("the ") + what + " is longer than the " + std::to_string(longest) +
               " characters the loader reads";
    for (const char c : word) {
        if (std::isspace(static_cast<unsigned char>(c)) != 0)
            return std::string("the ") + what + " must be one word";
    }
    return "";
}

std::string statementRefusal(const NewStatement& statement) {
    std::string why = wordRefusal("keyword", statement.keyword, ScriptStatementReader::KEY_WORD_SIZE - 1);
    if (why.empty()) why = wordRefusal("argument", statement.argument, ScriptStatementReader::VALUE_WORD_SIZE - 1);
    if (why.empty() && statement.keyword == "end") why = "the end line is not an event: it stops the reading";
    if (why.empty() && statement.comment.find_first_of("\r\n") != std::string::npos)
        why = "the comment must stay on one line";
    return why;
}

std::string commentText(const std::string& comment) {
    if (comment.empty()) return "";
    return comment[0] == '#' ? " " + comment : " # " + comment;
}

}  // namespace

ScriptEditResult moveEvent(const ScriptText& script, std::size_t index, int32_t ms) {
    if (index >= script.entries().size() || script.entries()[index].isEnd)
        return refused(script, "there is no such event");
    const ScriptEntry& entry = script.entries()[index];
    if (ms == entry.timeMs) return {script.bytes(), "", 0};
    if (keepsPlace(script, index, ms)) return moveInPlace(script, index, ms);
    if (!entry.ownsLine)
        return refused(script, describeEntry(script, entry) +
                                   " holds more than one statement, so it cannot move: split it first");
    const Placement place = placeEvent(script, ms, static_cast<int32_t>(index));
    if (!place.refusal.empty()) return refused(script, place.refusal);
    const Word word = timeWordFor(ms, formOf(entry.reading), place.tempo);
    if (!word.refusal.empty()) return refused(script, word.refusal);
    TextLines lines(script.bytes());
    const std::string moved = lineWithWord(script, entry, lines, word.text);
    lines.remove(lineIndex(entry));
    lines.insert(place.line > lineIndex(entry) ? place.line - 1 : place.line, moved);
    std::vector<EntryFacts> expected = factsOf(script);
    expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(index));
    expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(place.position), factsAt(entry, ms));
    return checkedEdit(script, lines.joined(), expected, 1);
}

ScriptEditResult deleteEvents(const ScriptText& script, std::vector<std::size_t> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    TextLines lines(script.bytes());
    std::vector<EntryFacts> expected = factsOf(script);
    for (auto at = indices.rbegin(); at != indices.rend(); ++at) {
        if (*at >= script.entries().size() || script.entries()[*at].isEnd)
            return refused(script, "there is no such event");
        const ScriptEntry& entry = script.entries()[*at];
        if (!entry.ownsLine)
            return refused(script, describeEntry(script, entry) +
                                       " holds more than one statement, so it cannot be deleted alone");
        lines.remove(lineIndex(entry));
        expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(*at));
    }
    return checkedEdit(script, lines.joined(), expected, static_cast<int32_t>(indices.size()));
}

ScriptEditResult insertEvent(const ScriptText& script, int32_t ms, const NewStatement& statement,
                             std::optional<TimeForm> form) {
    const std::string why = statementRefusal(statement);
    if (!why.empty()) return refused(script, why);
    const Placement place = placeEvent(script, ms);
    if (!place.refusal.empty()) return refused(script, place.refusal);
    const int32_t neighbour = place.after >= 0 ? place.after : place.before;
    if (!form) {
        form = neighbour >= 0 ? formOf(script.entries()[static_cast<std::size_t>(neighbour)].reading)
                              : TimeForm::PatternBeat;
    }
    const Word word = timeWordFor(ms, *form, place.tempo);
    if (!word.refusal.empty()) return refused(script, word.refusal);
    TextLines lines(script.bytes());
    lines.insert(place.line, word.text + " " + statement.keyword + " " + statement.argument +
                                 commentText(statement.comment));
    std::vector<EntryFacts> expected = factsOf(script);
    expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(place.position),
                    {false, ms, statement.keyword, statement.argument});
    return checkedEdit(script, lines.joined(), expected, 1);
}
