// Time words to milliseconds, step patterns to bits: the examples authors rely on and the
// values that would overflow an int32.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "script/EventWords.h"
#include "script/TimeWords.h"

namespace {

struct TimeCase {
    const char* word = "";
    int32_t bpm = 125;
    int32_t patternLength = 16;
    int32_t patternSpeed = 4;
    int32_t expectedMs = 0;
};

TEST(ScriptTimeWords, ConvertBeatsAndPatternsWithTheTempoGiven) {
    const TimeCase cases[] = {
        {"14", 125, 16, 4, 6720},
        {"3:2", 125, 16, 4, 6720},
        {"0.5", 125, 16, 4, 240},
        {"1:0.25", 125, 16, 4, 2040},
        {"0", 125, 16, 4, 0},
        {"0:0", 125, 16, 4, 0},
        {"1", 120, 16, 4, 500},
        {"2.75", 120, 16, 4, 1375},
        {"1:0", 125, 16, 4, 1920},
        {"1:0", 125, 8, 4, 960},
        {"1:0", 125, 16, 2, 3840},
        {"0.001", 125, 16, 4, 0},
        // strtok-like splitting: a run of ":" is one separator, a third piece is ignored.
        {"3::2", 125, 16, 4, 6720},
        {"3:2:9", 125, 16, 4, 6720},
        // A missing second piece is 0 beats.
        {"3:", 125, 16, 4, 5760},
        {"3::", 125, 16, 4, 5760},
    };
    for (const TimeCase& c : cases) {
        EXPECT_EQ(timeWordToMs(c.word, c.bpm, c.patternLength, c.patternSpeed), c.expectedMs)
            << c.word << " at bpm " << c.bpm;
    }
}

TEST(ScriptTimeWords, SaturateInsteadOfOverflowing) {
    const TimeCase cases[] = {
        {"99999999999", 125, 16, 4, INT32_MAX},
        {"1e300", 125, 16, 4, INT32_MAX},
        {"99999999:0", 1, 32, 1, INT32_MAX},     // (b x 60) / bpm needs 64 bits
        {"99999999:0", 125, 16, 4, 1030792150},  // a saturates, then the division still applies
        {"0:-1e12", 1, 16, 4, INT32_MIN},
        {"0:99999999", 1, 16, 4, INT32_MAX},
        {"1:nan", 125, 16, 4, 0},  // a NaN beat count has no time: read as 0
    };
    for (const TimeCase& c : cases) {
        EXPECT_EQ(timeWordToMs(c.word, c.bpm, c.patternLength, c.patternSpeed), c.expectedMs) << c.word;
    }
}

TEST(ScriptTimeWords, SayWhetherEveryCharacterWasRead) {
    struct WholeCase {
        const char* word = "";
        bool readWhole = false;
        double patterns = 0.0;
        double beats = 0.0;
    };
    const WholeCase cases[] = {
        {"12", true, 0, 12},       {"2.75", true, 0, 2.75}, {"3:2", true, 3, 2},   {"3::2", true, 3, 2},
        {"1:0.25", true, 1, 0.25}, {"12abc", false, 0, 12}, {"0,5", false, 0, 0},  {"1:2:3", false, 1, 2},
        {"3:", false, 3, 0},       {"1x:2", false, 1, 2},   {"1:2x", false, 1, 2}, {"", false, 0, 0},
    };
    for (const WholeCase& c : cases) {
        const TimeWordReading reading = readTimeWord(c.word);
        EXPECT_EQ(reading.readWhole, c.readWhole) << c.word;
        EXPECT_EQ(reading.patterns, c.patterns) << c.word;
        EXPECT_EQ(reading.beats, c.beats) << c.word;
    }
}

TEST(ScriptEventWords, StepPatternsMarkStepsWithAnythingButADot) {
    EXPECT_EQ(stepPatternBits("%x...x..."), 17);
    EXPECT_EQ(stepPatternBits("%x.x."), 5);
    EXPECT_EQ(stepPatternBits("%1.#"), 5);
    EXPECT_EQ(stepPatternBits("%...."), 0);
    EXPECT_EQ(stepPatternBits("%"), 0);
}

TEST(ScriptEventWords, StepPatternKeepsOnlyItsFirst31Steps) {
    EXPECT_EQ(stepPatternBits(("%" + std::string(40, 'x')).c_str()), INT32_MAX);
    EXPECT_EQ(stepPatternBits(("%" + std::string(31, '.') + std::string(9, 'x')).c_str()), 0);
}

}  // namespace
