// Word-by-word reading of a script from any stream buffer.
// The terminating whitespace of a word is left unread, so skipping "the rest of the line" after a
// one-word line still consumes exactly that line. Counting lines and columns changes no word.
#include "script/ScriptWords.h"

#include <cctype>
#include <cstdint>
#include <string>

namespace {

using Traits = std::char_traits<char>;

bool isWordSpace(int c) {
    return std::isspace(c) != 0;
}

}  // namespace

int WordReader::peek() {
    if (source_ == nullptr) {
        atEnd_ = true;
        return Traits::eof();
    }
    const int c = source_->sgetc();
    if (c == Traits::eof()) atEnd_ = true;
    return c;
}

int WordReader::take() {
    int c = peek();
    if (c == Traits::eof()) return c;
    source_->sbumpc();
    ++offset_;
    // Text mode: a carriage return before a line feed is dropped, so Windows line ends read alike.
    if (c == '\r' && source_->sgetc() == '\n') {
        c = source_->sbumpc();
        ++offset_;
    }
    if (c == '\n') {
        if (line_ < INT32_MAX) ++line_;
        column_ = 1;
        lineHasWord_ = false;
    } else if (column_ < INT32_MAX) {
        ++column_;
    }
    return c;
}

WordSpan WordReader::readWord(char* word, std::size_t capacity) {
    int c = peek();
    while (c != Traits::eof() && isWordSpace(c)) {
        take();
        c = peek();
    }
    WordSpan span{line_, column_, 0, !lineHasWord_, offset_};
    std::size_t kept = 0;
    while (c != Traits::eof() && !isWordSpace(c)) {
        if (kept + 1 < capacity) word[kept++] = static_cast<char>(c);
        ++span.length;
        take();
        c = peek();
    }
    if (capacity > 0) word[kept] = '\0';
    if (span.length > 0) lineHasWord_ = true;
    return span;
}

void WordReader::skipLine() {
    int c = take();
    while (c != Traits::eof() && c != '\n') c = take();
}

bool WordReader::wordOnThisLine() {
    int c = peek();
    while (c != Traits::eof() && c != '\n' && c != '\r' && isWordSpace(c)) {
        take();
        c = peek();
    }
    return c != Traits::eof() && !isWordSpace(c);
}
