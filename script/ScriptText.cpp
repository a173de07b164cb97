// Walks the statements with the loader's reader, applying each to a scratch script with the
// loader's own step, so the tempo in force and the times are the player's. A statement owns its
// line when it starts it, its three words are on it and whatever follows on it is a comment.
#include "script/ScriptText.h"

#include <memory>
#include <sstream>
#include <utility>

#include "script/ScriptLoading.h"
#include "script/ScriptStatements.h"

namespace {

// What is kept of a statement once the reader has moved on: its kind and where its words stand.
struct StatementPlace {
    StatementKind kind = StatementKind::Comment;
    int32_t line = 0;
    bool ownLineCandidate = false;  // it starts its line and its three words are on it
    int32_t entry = -1;             // its entry, for an event or the end
};

bool startsLineWithAllWords(const ScriptStatement& statement) {
    const int32_t line = statement.first.span.line;
    return statement.first.span.startsLine && statement.key.span.line == line &&
           statement.value.span.length > 0 && statement.value.span.line == line;
}

ScriptEntry entryOf(const ScriptStatement& statement, const ScriptTempo& tempo) {
    ScriptEntry entry;
    entry.isEnd = statement.kind == StatementKind::End;
    entry.line = statement.first.span.line;
    entry.timeAt = statement.first.span.offset;
    entry.timeLength = statement.first.span.length;
    entry.reading = readTimeWord(statement.first.text);
    // The loader's own conversion of the word it keeps, as it stores an event.
    entry.timeMs = songTimeOf(entry.reading, tempo);
    entry.tempo = tempo;
    entry.keyword = statement.key.text;
    entry.argument = statement.value.text;
    return entry;
}

}  // namespace

ScriptText::ScriptText(std::string bytes) : bytes_(std::move(bytes)) {
    std::stringbuf source(bytes_, std::ios::in);
    ScriptStatementReader reader(&source);
    const auto scratch = std::make_unique<DemoScript>(nullptr);
    initialTempo_ = scriptTempo(*scratch);
    std::vector<StatementPlace> places;
    ScriptStatement statement;
    bool reading = true;
    while (reading && reader.next(statement)) {
        const ScriptTempo before = scriptTempo(*scratch);
        StatementPlace place{statement.kind, statement.first.span.line, startsLineWithAllWords(statement)};
        if (statement.kind == StatementKind::Event || statement.kind == StatementKind::End) {
            place.entry = static_cast<int32_t>(entries_.size());
            entries_.push_back(entryOf(statement, before));
        }
        places.push_back(place);
        reading = applyScriptStatement(*scratch, statement);
        if (scriptTempo(*scratch) != before) tempoChanges_.push_back({place.line, scriptTempo(*scratch)});
    }
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (places[i].entry < 0) continue;
        const bool restIsComment = i + 1 == places.size() || places[i + 1].line > places[i].line ||
                                   places[i + 1].kind == StatementKind::Comment;
        entries_[static_cast<std::size_t>(places[i].entry)].ownsLine = places[i].ownLineCandidate && restIsComment;
    }
}

ScriptTempo ScriptText::tempoBefore(int32_t line) const {
    ScriptTempo tempo = initialTempo_;
    for (const TempoChange& change : tempoChanges_) {
        if (change.line < line) tempo = change.tempo;
    }
    return tempo;
}

ScriptTempo ScriptText::finalTempo() const {
    return tempoChanges_.empty() ? initialTempo_ : tempoChanges_.back().tempo;
}

int32_t ScriptText::entryOnLine(int32_t line) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].line == line) return static_cast<int32_t>(i);
    }
    return -1;
}
