// Splits a script into statements as the loader reads them: header, event, end and comment
// statements, each word with where it starts and how long it really was. A statement is what
// the loader reads in one pass; it usually fills one line, but a missing word pulls one from the
// next line and trailing words start a new one. The loader and the show check both read through
// this, so they can never disagree; what the words mean lives elsewhere.
#pragma once

#include <cstddef>
#include <streambuf>

#include "script/ScriptWords.h"

// One word of a statement, cut to its buffer; `span.length` is its whole length in the file.
struct StatementWord {
    const char* text = "";
    WordSpan span;
    bool cut = false;  // longer than its buffer holds
};

enum class StatementKind { Header, Event, End, Comment };

struct ScriptStatement {
    StatementKind kind = StatementKind::Comment;
    StatementWord first;        // "init", a time word, or a comment's first word
    StatementWord key;          // header key or event keyword
    StatementWord value;        // header value or event argument; a title's whole text
    StatementWord fourth;       // "init set"'s event argument; "init picture"'s or "init texture"'s file
};

class ScriptStatementReader {
public:
    // Buffer sizes of a statement's words, terminating NUL included.
    static constexpr std::size_t FIRST_WORD_SIZE = 12;
    static constexpr std::size_t KEY_WORD_SIZE = 40;
    static constexpr std::size_t VALUE_WORD_SIZE = 80;

    // A null source reads as an empty input.
    explicit ScriptStatementReader(std::streambuf* source) : words_(source) {}
    ScriptStatementReader(const ScriptStatementReader&) = delete;
    ScriptStatementReader& operator=(const ScriptStatementReader&) = delete;

    // Reads the next statement; false at the end of the input. Its words stay valid until the
    // next call. Statements after an end can still be read: stopping there is the caller's choice.
    bool next(ScriptStatement& statement);

private:
    template <std::size_t N>
    StatementWord read(char (&buffer)[N]);
    // A title is every word to the end of its line or to a note starting with '#'.
    void readRestOfTitle(StatementWord& title);

    WordReader words_;
    char first_[FIRST_WORD_SIZE] = {};
    char key_[KEY_WORD_SIZE] = {};
    char value_[VALUE_WORD_SIZE] = {};
    char fourth_[VALUE_WORD_SIZE] = {};
};
