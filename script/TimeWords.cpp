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

// atof's value (atof is strtod without the end), and whether it read a number up to `end`.
double readNumber(const char* text, const char* end, bool& whole) {
    char* stop = nullptr;
    const double value = std::strtod(text, &stop);
    whole = stop != text && stop == end;
    return value;
}

TimeWordReading readPatternsAndBeats(const char* word) {
    TimeWordReading reading;
    reading.patternForm = true;
    const char* first = nextPiece(word);
    const char* second = first != nullptr ? nextPiece(afterPiece(first)) : nullptr;
    bool firstWhole = false;
    bool secondWhole = false;
    // strtod stops at the ":" that ends a piece, so it reads the piece alone.
    if (first != nullptr) reading.patterns = readNumber(first, afterPiece(first), firstWhole);
    if (second != nullptr) reading.beats = readNumber(second, afterPiece(second), secondWhole);
    const bool noThirdPiece = second != nullptr && nextPiece(afterPiece(second)) == nullptr;
    reading.readWhole = firstWhole && secondWhole && noThirdPiece;
    return reading;
}

}  // namespace

TimeWordReading readTimeWord(const char* word) {
    if (std::strchr(word, ':') != nullptr) return readPatternsAndBeats(word);
    TimeWordReading reading;
    reading.beats = readNumber(word, word + std::strlen(word), reading.readWhole);
    return reading;
}

int32_t timeReadingToMs(const TimeWordReading& reading, int32_t bpm, int32_t patternLength,
                        int32_t patternSpeed) {
    if (!reading.patternForm) return saturateToInt32(reading.beats * 60000.0 / bpm);
    // Thousandths of a beat, in the order of operations the script's authors tuned times with.
    const int32_t a = saturateToInt32(reading.patterns * patternLength * 1000.0 / patternSpeed);
    const int32_t b = saturateToInt32(reading.beats * 1000.0 + a);
    return saturateToInt32(static_cast<int64_t>(b) * 60 / bpm);
}

int32_t songTimeMs(int32_t fromBeatZeroMs, int32_t offsetMs) {
    return saturateToInt32(int64_t{fromBeatZeroMs} + offsetMs);
}

int32_t timeWordToMs(const char* word, int32_t bpm, int32_t patternLength, int32_t patternSpeed) {
    return timeReadingToMs(readTimeWord(word), bpm, patternLength, patternSpeed);
}
