// A string read in place as a stream buffer, so the word readers take text without a copy.
// Read-only: nothing reading through it writes to its source.
#pragma once

#include <streambuf>
#include <string>

class TextSource : public std::streambuf {
public:
    explicit TextSource(const std::string& text) {
        // The get area only ever reads; the cast is for streambuf's interface.
        char* begin = const_cast<char*>(text.data());
        setg(begin, begin, begin + text.size());
    }
};
