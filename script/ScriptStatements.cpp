// The script's statements: "init" opens a header, a word starting with a digit an event, anything
// else a comment that runs to its line feed. Headers and events end at their last word, so
// whatever follows on the same line starts the next statement.
#include "script/ScriptStatements.h"

#include <cctype>
#include <cstring>

namespace {

bool startsWithDigit(const char* word) {
    return std::isdigit(static_cast<unsigned char>(word[0])) != 0;
}

}  // namespace

template <std::size_t N>
StatementWord ScriptStatementReader::read(char (&buffer)[N]) {
    StatementWord word;
    word.span = words_.readWord(buffer);
    word.text = buffer;
    word.cut = word.span.length >= N;
    return word;
}

bool ScriptStatementReader::next(ScriptStatement& statement) {
    if (words_.atEnd()) return false;
    statement = ScriptStatement{};
    statement.first = read(first_);
    // An empty first word means the input has ended; a word of NUL bytes is a comment.
    if (statement.first.span.length == 0) return false;
    if (std::strcmp(first_, "init") == 0) {
        statement.kind = StatementKind::Header;
        statement.key = read(key_);
        statement.value = read(value_);
        if (std::strcmp(key_, "set") == 0) statement.setArgument = read(setArgument_);
    } else if (startsWithDigit(first_)) {
        statement.key = read(key_);
        statement.value = read(value_);
        statement.kind = std::strcmp(key_, "end") == 0 ? StatementKind::End : StatementKind::Event;
    } else {
        words_.skipLine();
    }
    return true;
}
