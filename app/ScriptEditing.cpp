// Events are named by their place among the script's events, which is the same for
// the timeline the editor showed and the text it was read from; the text must be
// the one on disk, or the edit is refused.
#include "app/ScriptEditing.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "check/ScriptCheck.h"
#include "check/ShowCheck.h"
#include "script/BeatGrid.h"
#include "script/EditOutcome.h"
#include "script/ScriptEdit.h"
#include "script/ScriptSave.h"
#include "script/TextLines.h"

namespace {

const char* const SAVED_OUTSIDE = "a save from outside";

// The first line, from 1, where two texts differ.
int32_t firstChangedLine(const std::string& before, const std::string& after) {
    const TextLines a(before);
    const TextLines b(after);
    std::size_t line = 0;
    while (line < a.size() && line < b.size() && a[line].content == b[line].content) ++line;
    return static_cast<int32_t>(line + 1);
}

std::string linesOf(const ScriptText& script, const std::vector<std::size_t>& entries) {
    std::string lines;
    for (const std::size_t entry : entries)
        lines += (lines.empty() ? "" : ", ") + std::to_string(script.entries()[entry].line);
    return lines;
}

bool validEvents(const ScriptText& script, const std::vector<int32_t>& events,
                 std::vector<std::size_t>& entries) {
    for (const int32_t event : events) {
        if (event < 0 || static_cast<std::size_t>(event) >= script.entries().size()) return false;
        if (script.entries()[static_cast<std::size_t>(event)].isEnd) return false;
        entries.push_back(static_cast<std::size_t>(event));
    }
    return !entries.empty();
}

}  // namespace

std::string findingOnLine(const std::string& text, int32_t line) {
    for (const Finding& finding : checkScriptText(text, showFactsWithoutFiles())) {
        if (finding.line == line && finding.severity != Severity::Note) return finding.message;
    }
    return "";
}

ScriptEditing::ScriptEditing(std::string path)
    : path_(std::move(path)), history_(readScriptFile(path_).value_or("")) {}

bool ScriptEditing::readCurrent(std::string& now, EditOutcome& outcome) {
    const std::optional<std::string> read = readScriptFile(path_);
    if (!read) {
        outcome.notice = path_ + " cannot be read: nothing changed";
        return false;
    }
    now = *read;
    if (now == history_.current()) return true;
    history_.record(now, SAVED_OUTSIDE);
    outcome.changed = true;
    outcome.notice = "the script was saved from outside: taken in first, nothing else changed";
    return false;
}

EditOutcome ScriptEditing::apply(const EditorAction& action) {
    switch (action.kind) {
        case EditorActionKind::Undo:
            return undo();
        case EditorActionKind::Redo:
            return redo();
        case EditorActionKind::MoveEvent:
        case EditorActionKind::DeleteEvents:
        case EditorActionKind::InsertEvent:
            break;
        default:
            return {};
    }
    EditOutcome outcome;
    std::string now;
    if (!readCurrent(now, outcome)) return outcome;
    if (action.basis != nullptr && *action.basis != now)
        return {false, "the script changed since the editor showed it: nothing changed"};
    return edit(action, now);
}

EditOutcome ScriptEditing::edit(const EditorAction& action, const std::string& now) {
    const ScriptText script(now);
    std::vector<std::size_t> entries;
    if (action.kind != EditorActionKind::InsertEvent && !validEvents(script, action.events, entries))
        return {false, "no such event in the script: nothing changed"};
    const int32_t ms = wholeMs(action.ms);
    ScriptEditResult result;
    std::string what;
    if (action.kind == EditorActionKind::MoveEvent) {
        result = moveEvent(script, entries[0], ms);
        const ScriptEntry& entry = script.entries()[entries[0]];
        what = "move line " + std::to_string(entry.line) + " to " + BeatGrid{entry.tempo}.label(ms);
    } else if (action.kind == EditorActionKind::DeleteEvents) {
        result = deleteEvents(script, entries);
        what = std::string(entries.size() == 1 ? "delete line " : "delete lines ") + linesOf(script, entries);
    } else {
        result = insertEvent(script, ms, NewStatement{action.keyword, action.argument, ""});
        what = "add " + action.keyword + " " + action.argument;
        if (result.done()) {
            const int32_t line = firstChangedLine(now, result.text);
            const std::string finding = findingOnLine(result.text, line);
            if (!finding.empty()) return {false, "not added: " + finding};
            what += " at line " + std::to_string(line);
        }
    }
    if (!result.done()) return {false, "not done: " + result.refusal};
    if (result.text == now) return {false, "nothing to change"};
    return write(now, result.text, what);
}

EditOutcome ScriptEditing::write(const std::string& now, const std::string& text, const std::string& what) {
    const SaveResult saved = saveScript(path_, now, text);
    switch (saved.status) {
        case SaveStatus::Saved:
            history_.record(text, what);
            return {true, what};
        case SaveStatus::ChangedOutside:
            history_.record(saved.onDisk, SAVED_OUTSIDE);
            return {true, "the script was saved from outside during the edit: taken in, the edit not made"};
        case SaveStatus::Failed:
            break;
    }
    return {false, "not saved: " + saved.message};
}

EditOutcome ScriptEditing::undo() {
    return goThroughHistory(true);
}

EditOutcome ScriptEditing::redo() {
    return goThroughHistory(false);
}

// One step back (undo) or on (redo) through the history, saved as any edit is.
EditOutcome ScriptEditing::goThroughHistory(bool back) {
    EditOutcome outcome;
    std::string now;
    if (!readCurrent(now, outcome)) return outcome;
    const std::string verb = back ? "undo" : "redo";
    const std::string done = back ? "undone" : "redone";
    if (back ? !history_.canUndo() : !history_.canRedo()) return {false, "nothing to " + verb};
    const std::string what = back ? history_.undoWhat() : history_.redoWhat();
    const std::string text = back ? history_.undo() : history_.redo();
    const SaveResult saved = saveScript(path_, now, text);
    if (saved.status == SaveStatus::Saved) return {true, verb + " " + what};
    if (back) {
        history_.redo();
    } else {
        history_.undo();
    }
    if (saved.status == SaveStatus::ChangedOutside) {
        history_.record(saved.onDisk, SAVED_OUTSIDE);
        return {true, "the script was saved from outside during the " + verb + ": taken in, nothing " + done};
    }
    return {false, "not " + done + ": " + saved.message};
}
