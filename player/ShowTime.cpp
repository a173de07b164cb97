// Reading and writing show times; time words go through the script's own reader.
#include "player/ShowTime.h"

#include <cmath>
#include <cstdio>
#include <regex>

#include "script/DemoScript.h"
#include "script/TimeWords.h"

namespace {

const std::regex TIME_WORD(R"(\d+(\.\d*)?(:\d+(\.\d*)?)?)");
const std::regex SECONDS(R"((\d+(\.\d*)?)(s|ms))");

}  // namespace

std::optional<double> showTimeMs(const std::string& text, const DemoScript& script) {
    std::smatch match;
    if (std::regex_match(text, match, SECONDS)) {
        const double value = std::stod(match[1].str());
        return match[3].str() == "s" ? value * 1000.0 : value;
    }
    if (!std::regex_match(text, TIME_WORD)) return std::nullopt;
    const TimeWordReading reading = readTimeWord(text.c_str());
    if (!reading.readWhole) return std::nullopt;
    return timeReadingToMs(reading, script.bpm, script.patternLength, script.patternSpeed);
}

double beatMs(const DemoScript& script) {
    return 60000.0 / script.bpm;
}

double patternMs(const DemoScript& script) {
    return beatMs(script) * script.patternLength / script.patternSpeed;
}

std::string patternBeatText(double seconds, const DemoScript& script) {
    const double beatsPerPattern = static_cast<double>(script.patternLength) / script.patternSpeed;
    // To the hundredth of a beat first, so a time a float just misses still names its beat.
    const double beats = std::round(std::max(0.0, seconds * 1000.0 / beatMs(script)) * 100.0) / 100.0;
    const double pattern = std::floor(beats / beatsPerPattern);
    char text[64];
    std::snprintf(text, sizeof text, "%.0f:%.2f", pattern, beats - pattern * beatsPerPattern);
    return text;
}
