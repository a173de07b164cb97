// Reads the script as a stream of whitespace-separated words: each word is consumed whole and
// cut to the caller's buffer, the rest of a line can be skipped, and running into the end is
// remembered. Says where each word starts and how long it really was; knows nothing of meanings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <streambuf>

// Where a word starts (line and byte column, both from 1), its whole length in the input
// (0 only at the end), whether it is the first word of its line, and its first byte's place
// in the input (from 0, every byte counted, carriage returns too), so the text can be rewritten.
struct WordSpan {
    int32_t line = 0;
    int32_t column = 0;
    std::size_t length = 0;
    bool startsLine = false;
    std::size_t offset = 0;
};

class WordReader {
public:
    // A null source reads as an empty input.
    explicit WordReader(std::streambuf* source) : source_(source) {}

    // Skips whitespace, then consumes one whole word; keeps at most capacity - 1 characters and a
    // NUL, so a word of any length never writes past the buffer. At the end, the word is empty.
    WordSpan readWord(char* word, std::size_t capacity);
    template <std::size_t N>
    WordSpan readWord(char (&word)[N]) {
        return readWord(word, N);
    }

    // Consumes everything up to and including the next line feed, however long the line is.
    void skipLine();

    // Skips spaces and tabs; true when a word follows on this same line.
    bool wordOnThisLine();

    // True once a read has run into the end of the input (like feof: set by the read that hits it).
    bool atEnd() const { return atEnd_; }

private:
    int peek();
    int take();

    std::streambuf* source_ = nullptr;
    bool atEnd_ = false;
    // Position of the next character to be taken.
    int32_t line_ = 1;
    int32_t column_ = 1;
    std::size_t offset_ = 0;
    bool lineHasWord_ = false;
};
