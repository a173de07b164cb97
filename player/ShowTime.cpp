// Reading and writing show times; time words go through the script's own reader.
#include "player/ShowTime.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "script/DemoScript.h"
#include "script/TimeWords.h"

namespace {

// How many characters from `at` form a plain decimal: digits, then maybe a point and digits.
size_t decimalLength(const std::string& text, size_t at) {
    size_t end = at;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    if (end == at) return 0;
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    }
    return end - at;
}

// Beats or patterns:beats, nothing else: no sign, exponent or second ":".
bool isTimeWord(const std::string& text) {
    const size_t first = decimalLength(text, 0);
    if (first == 0) return false;
    if (first == text.size()) return true;
    return text[first] == ':' && first + 1 + decimalLength(text, first + 1) == text.size() &&
           decimalLength(text, first + 1) > 0;
}

}  // namespace

std::optional<double> showTimeMs(const std::string& text, const DemoScript& script) {
    const size_t number = decimalLength(text, 0);
    const std::string unit = text.substr(number);
    if (number > 0 && (unit == "s" || unit == "ms")) {
        const double value = std::strtod(text.c_str(), nullptr);
        return unit == "s" ? value * 1000.0 : value;
    }
    if (!isTimeWord(text)) return std::nullopt;
    const TimeWordReading reading = readTimeWord(text.c_str());
    if (!reading.readWhole) return std::nullopt;
    return songTimeOf(reading, scriptTempo(script));
}

double beatMs(const DemoScript& script) {
    return 60000.0 / script.bpm;
}

double patternMs(const DemoScript& script) {
    return beatMs(script) * script.patternLength / script.patternSpeed;
}

std::string patternBeatText(double seconds, const DemoScript& script) {
    return patternBeatText(seconds, scriptTempo(script));
}

std::string patternBeatText(double seconds, const ScriptTempo& tempo) {
    const double beatsPerPattern = tempo.beatsPerPattern();
    // To the hundredth of a beat first, so a time a float just misses still names its beat.
    const double fromBeatZeroMs = seconds * 1000.0 - tempo.offsetMs;
    const double beats = std::round(std::max(0.0, fromBeatZeroMs / tempo.beatMs()) * 100.0) / 100.0;
    const double pattern = std::floor(beats / beatsPerPattern);
    char text[64];
    std::snprintf(text, sizeof text, "%.0f:%.2f", pattern, beats - pattern * beatsPerPattern);
    return text;
}
