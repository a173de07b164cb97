// Time words to milliseconds. A word with a ":" is P patterns plus B beats, split the way strtok
// splits at ":" (runs of ":" are one separator, a third piece is ignored, a missing B is 0).
#include "script/TimeWords.h"

#include <cstdlib>
#include <cstring>

#include "script/ScriptNumbers.h"

namespace {

// Start of the next ":"-separated piece at or after `text`, or null when none is left.
const char* nextPiece(const char* text) {
    text += std::strspn(text, ":");
    return *text == '\0' ? nullptr : text;
}

const char* afterPiece(const char* piece) {
    return piece + std::strcspn(piece, ":");
}

int32_t beatsToMs(const char* word, int32_t bpm) {
    return saturateToInt32(std::atof(word) * 60000.0 / bpm);
}

int32_t patternsAndBeatsToMs(const char* word, int32_t bpm, int32_t patternLength, int32_t patternSpeed) {
    const char* first = nextPiece(word);
    const char* second = first != nullptr ? nextPiece(afterPiece(first)) : nullptr;
    // atof stops at the ":" that ends a piece, so it reads the piece alone.
    const double patterns = first != nullptr ? std::atof(first) : 0.0;
    const double beats = second != nullptr ? std::atof(second) : 0.0;
    // Thousandths of a beat, in the order of operations the script's authors tuned times with.
    const int32_t a = saturateToInt32(patterns * patternLength * 1000.0 / patternSpeed);
    const int32_t b = saturateToInt32(beats * 1000.0 + a);
    return saturateToInt32(static_cast<int64_t>(b) * 60 / bpm);
}

}  // namespace

int32_t timeWordToMs(const char* word, int32_t bpm, int32_t patternLength, int32_t patternSpeed) {
    if (std::strchr(word, ':') == nullptr) return beatsToMs(word, bpm);
    return patternsAndBeatsToMs(word, bpm, patternLength, patternSpeed);
}
