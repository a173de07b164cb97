// Writing time words: for each number of decimals, from none, the candidates from the lowest
// of the beats that truncate to the wanted millisecond are read back with the loader's own
// conversion; the lowest that gives it wins. Reading back, not inverting the arithmetic, keeps
// the loader's truncations and the float steps of its conversion out of the reasoning.
#include "script/TimeWordWriter.h"

#include <cmath>
#include <cstdio>

#include "script/ScriptStatements.h"

namespace {

constexpr std::size_t LONGEST_WORD = ScriptStatementReader::FIRST_WORD_SIZE - 1;
constexpr int MOST_DECIMALS = 6;
// Candidates tried for one number of decimals, at most.
constexpr int MOST_CANDIDATES = 64;

std::string decimalText(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

bool readsAs(const std::string& word, int32_t ms, const ScriptTempo& tempo) {
    if (word.size() > LONGEST_WORD) return false;
    const TimeWordReading reading = readTimeWord(word.c_str());
    return reading.readWhole &&
           timeReadingToMs(reading, tempo.bpm, tempo.patternLength, tempo.patternSpeed) == ms;
}

// The lowest number with `decimals` decimals in about [low, high) (beats, or the beat part of a
// pattern:beat word after `prefix`) that reads as `ms`; empty when none does. The lowest lies
// nearest the time itself, so a time on a line of the grid gives that line's short word.
std::string lowestWord(const std::string& prefix, double low, double high, int decimals, int32_t ms,
                       const ScriptTempo& tempo) {
    const double scale = std::pow(10.0, decimals);
    const double first = std::max(0.0, std::floor(low * scale) - 1.0);
    for (int i = 0; i < MOST_CANDIDATES && (first + i - 1.0) / scale < high; ++i) {
        const std::string word = prefix + decimalText((first + i) / scale, decimals);
        if (readsAs(word, ms, tempo)) return word;
    }
    return "";
}

std::optional<std::string> beatsWord(int32_t ms, const ScriptTempo& tempo) {
    // The beats whose time truncates to ms lie in [ms, ms + 1) milliseconds.
    const double low = ms / tempo.beatMs();
    const double high = (ms + 1) / tempo.beatMs();
    for (int decimals = 0; decimals <= MOST_DECIMALS; ++decimals) {
        const std::string word = lowestWord("", low, high, decimals, ms, tempo);
        if (!word.empty()) return word;
    }
    return std::nullopt;
}

// Pattern:beat words count whole thousandths of a beat b, and ms = b * 60 / bpm truncated, so the
// thousandths that give ms are [ceil(ms * bpm / 60), ceil((ms + 1) * bpm / 60)). The patterns'
// own thousandths are truncated, so the beat part may lie up to one thousandth higher.
std::optional<std::string> patternBeatWord(int32_t ms, const ScriptTempo& tempo) {
    const int64_t low = (int64_t{ms} * tempo.bpm + 59) / 60;
    const int64_t high = ((int64_t{ms} + 1) * tempo.bpm + 59) / 60;
    if (low >= high) return std::nullopt;
    const double perPattern = tempo.beatsPerPattern();
    const auto firstPattern = static_cast<int64_t>(std::floor(low / 1000.0 / perPattern));
    for (int decimals = 0; decimals <= MOST_DECIMALS; ++decimals) {
        // The pattern the time falls in, or the next when its beat part rounds up to the pattern's end.
        for (int64_t pattern = firstPattern; pattern <= firstPattern + 1; ++pattern) {
            const double beatLow = low / 1000.0 - pattern * perPattern;
            const double beatHigh = high / 1000.0 - pattern * perPattern + 0.001;
            const std::string word =
                lowestWord(std::to_string(pattern) + ":", beatLow, beatHigh, decimals, ms, tempo);
            if (!word.empty() && readTimeWord(word.c_str()).beats < perPattern) return word;
        }
    }
    return std::nullopt;
}

}  // namespace

TimeForm formOf(const TimeWordReading& reading) {
    return reading.patternForm ? TimeForm::PatternBeat : TimeForm::Beats;
}

double beatPosition(const TimeWordReading& reading, const ScriptTempo& tempo) {
    if (!reading.patternForm) return reading.beats;
    return reading.patterns * tempo.beatsPerPattern() + reading.beats;
}

int32_t positionMs(double beats, TimeForm form, const ScriptTempo& tempo) {
    const double rounded = std::round(beats * 1e9) / 1e9;
    TimeWordReading reading;
    if (form == TimeForm::Beats) {
        reading.beats = rounded;
    } else {
        reading.patternForm = true;
        reading.patterns = std::floor(rounded / tempo.beatsPerPattern());
        reading.beats = std::round((rounded - reading.patterns * tempo.beatsPerPattern()) * 1e9) / 1e9;
    }
    return songTimeOf(reading, tempo);
}

// Words count from pattern 0 beat 0: the search runs on the time from there, with no offset.
std::optional<std::string> writeTimeWord(int32_t ms, TimeForm form, const ScriptTempo& tempo) {
    const int64_t fromBeatZero = int64_t{ms} - tempo.offsetMs;
    if (fromBeatZero < 0) return std::nullopt;
    ScriptTempo fromZero = tempo;
    fromZero.offsetMs = 0;
    const auto at = static_cast<int32_t>(fromBeatZero);
    return form == TimeForm::Beats ? beatsWord(at, fromZero) : patternBeatWord(at, fromZero);
}
