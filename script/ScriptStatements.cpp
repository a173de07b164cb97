// The script's statements: "init" opens a header, a word starting with a digit an event, anything
// else a comment that runs to its line feed. Headers and events end at their last word, so
// whatever follows on the same line starts the next statement; a title alone takes its line.
#include "script/ScriptStatements.h"

#include <cctype>
#include <cstring>

namespace {

bool startsWithDigit(const char* word) {
    return std::isdigit(static_cast<unsigned char>(word[0])) != 0;
}

// "init set KEYWORD ARGUMENT", "init picture N FILE", "init texture ROLE FILE".
bool takesFourthWord(const char* key) {
    return std::strcmp(key, "set") == 0 || std::strcmp(key, "picture") == 0 ||
           std::strcmp(key, "texture") == 0;
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

void ScriptStatementReader::readRestOfTitle(StatementWord& title) {
    std::size_t kept = std::strlen(value_);
    std::size_t whole = title.span.length;
    auto append = [this, &kept](const char* text) {
        for (; *text != '\0' && kept + 1 < VALUE_WORD_SIZE; ++text) value_[kept++] = *text;
        value_[kept] = '\0';
    };
    while (words_.wordOnThisLine()) {
        const WordSpan word = words_.readWord(fourth_);
        if (fourth_[0] == '#') {
            words_.skipLine();
            break;
        }
        // Words are joined by one space, however they were spaced.
        append(" ");
        append(fourth_);
        whole += 1 + word.length;
        title.span.length = word.offset + word.length - title.span.offset;
    }
    title.cut = whole >= VALUE_WORD_SIZE;
    fourth_[0] = '\0';
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
        if (takesFourthWord(key_)) statement.fourth = read(fourth_);
        if (std::strcmp(key_, "title") == 0 && statement.value.span.length > 0)
            readRestOfTitle(statement.value);
    } else if (startsWithDigit(first_)) {
        statement.key = read(key_);
        statement.value = read(value_);
        statement.kind = std::strcmp(key_, "end") == 0 ? StatementKind::End : StatementKind::Event;
    } else {
        words_.skipLine();
    }
    return true;
}
