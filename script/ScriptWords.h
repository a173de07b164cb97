// Reads the script as a stream of whitespace-separated words: each word is consumed whole and
// cut to the caller's buffer, the rest of a line can be skipped, and running into the end is
// remembered. Knows nothing of what the words mean.
#pragma once

#include <cstddef>
#include <streambuf>

class WordReader {
public:
    // A null source reads as an empty input.
    explicit WordReader(std::streambuf* source) : source_(source) {}

    // Skips whitespace, then consumes one whole word; keeps at most capacity - 1 characters and a
    // NUL, so a word of any length never writes past the buffer. At the end, the word is empty.
    void readWord(char* word, std::size_t capacity);
    template <std::size_t N>
    void readWord(char (&word)[N]) {
        readWord(word, N);
    }

    // Consumes everything up to and including the next line feed, however long the line is.
    void skipLine();

    // True once a read has run into the end of the input (like feof: set by the read that hits it).
    bool atEnd() const { return atEnd_; }

private:
    int peek();
    int take();

    std::streambuf* source_ = nullptr;
    bool atEnd_ = false;
};
