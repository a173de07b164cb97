// Times written back as words and the beat grid: the words authors would write, every
// millisecond of a stretch of song read back exactly at tempos that do and do not divide evenly,
// and snapping and stepping on the grid as the editor's clicks and keys use them.
#include <gtest/gtest.h>

#include <string>

#include "script/BeatGrid.h"
#include "script/TimeWordWriter.h"

namespace {

const ScriptTempo DEFAULT_TEMPO{125, 16, 4};

TEST(TimeWordWriter, WritesTheWordsAnAuthorWould) {
    struct Case {
        int32_t ms;
        TimeForm form;
        ScriptTempo tempo;
        const char* word;
    };
    const Case cases[] = {
        {6720, TimeForm::Beats, DEFAULT_TEMPO, "14"},
        {6720, TimeForm::PatternBeat, DEFAULT_TEMPO, "3:2"},
        {240, TimeForm::Beats, DEFAULT_TEMPO, "0.5"},
        {2040, TimeForm::PatternBeat, DEFAULT_TEMPO, "1:0.25"},
        {1860, TimeForm::PatternBeat, DEFAULT_TEMPO, "0:3.875"},
        {0, TimeForm::PatternBeat, DEFAULT_TEMPO, "0:0"},
        {1920, TimeForm::PatternBeat, DEFAULT_TEMPO, "1:0"},  // not 0:4
        {923, TimeForm::Beats, {130, 16, 4}, "2"},            // 2 beats at 130 bpm are 923.08 ms
        {1846, TimeForm::PatternBeat, {130, 16, 4}, "1:0"},
        {2559, TimeForm::PatternBeat, {125, 16, 3}, "1:0"},  // 5333 thousandths of a beat, truncated
        // Words count from pattern 0 beat 0, which an offset puts later in the song.
        {3234, TimeForm::PatternBeat, {120, 16, 4, 1234}, "1:0"},
        {1484, TimeForm::Beats, {120, 16, 4, 1234}, "0.5"},
        {1234, TimeForm::PatternBeat, {120, 16, 4, 1234}, "0:0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(writeTimeWord(c.ms, c.form, c.tempo).value_or("none"), c.word) << c.ms << " ms";
    }
    EXPECT_FALSE(writeTimeWord(-1, TimeForm::Beats, DEFAULT_TEMPO));
    EXPECT_FALSE(writeTimeWord(1233, TimeForm::Beats, {120, 16, 4, 1234})) << "before pattern 0";
    // Below 60 bpm a thousandth of a beat is more than a millisecond: not every one is reachable.
    EXPECT_FALSE(writeTimeWord(1, TimeForm::PatternBeat, {30, 16, 4}));
}

TEST(TimeWordWriter, EveryMillisecondReadsBackExactly) {
    const ScriptTempo tempos[] = {DEFAULT_TEMPO, {130, 16, 4}, {87, 12, 3},
                                  {60, 16, 4},   {174, 32, 8}, {1000, 7, 5}};
    for (const ScriptTempo& tempo : tempos) {
        for (const TimeForm form : {TimeForm::Beats, TimeForm::PatternBeat}) {
            for (int32_t ms = 0; ms < 20000; ++ms) {
                const std::optional<std::string> word = writeTimeWord(ms, form, tempo);
                ASSERT_TRUE(word) << ms << " ms at " << tempo.bpm << " bpm";
                ASSERT_LE(word->size(), 11u) << *word;
                ASSERT_EQ(timeWordToMs(word->c_str(), tempo.bpm, tempo.patternLength, tempo.patternSpeed), ms)
                    << *word << " at " << tempo.bpm << " bpm";
                ASSERT_EQ(readTimeWord(word->c_str()).patternForm, form == TimeForm::PatternBeat) << *word;
            }
        }
    }
    EXPECT_EQ(writeTimeWord(2000000000, TimeForm::Beats, DEFAULT_TEMPO).value_or("none"), "4166666.667");
}

TEST(BeatGrid, SnapsToTheNearestLineOfTheUnitChosen) {
    const BeatGrid grid{DEFAULT_TEMPO};
    const double click = 15 * 1920 + 0.93 * 480;  // 15:0.93, where a click aimed at 15:1 landed
    EXPECT_DOUBLE_EQ(grid.snap(click, GridUnit::QuarterBeat), 15 * 1920 + 480);
    EXPECT_DOUBLE_EQ(grid.snap(click, GridUnit::HalfBeat), 15 * 1920 + 480);
    EXPECT_DOUBLE_EQ(grid.snap(click, GridUnit::Beat), 15 * 1920 + 480);
    EXPECT_DOUBLE_EQ(grid.snap(click, GridUnit::Pattern), 15 * 1920);
    EXPECT_DOUBLE_EQ(grid.snap(15 * 1920 + 0.8 * 480, GridUnit::Step), 15 * 1920 + 360);
    EXPECT_EQ(grid.label(grid.snap(click, GridUnit::QuarterBeat)), "15:1.00  29.28 s");

    ScriptTempo late = DEFAULT_TEMPO;
    late.offsetMs = 250;
    const BeatGrid leadIn{late};
    EXPECT_DOUBLE_EQ(leadIn.snap(100, GridUnit::Beat), 250.0);
    EXPECT_DOUBLE_EQ(leadIn.snap(0, GridUnit::Pattern), 250.0);  // the line before it is before 0
    EXPECT_DOUBLE_EQ(leadIn.snap(900, GridUnit::Beat), 730.0);
    EXPECT_EQ(leadIn.patternBeat(250.0), "0:0.00");
    EXPECT_EQ(leadIn.patternBeat(10.0), "-1:3.50");
}

TEST(BeatGrid, StepsToTheNextLineAndAFullUnitFromAnEventOnOne) {
    const BeatGrid grid{{130, 16, 4}};
    const double click = 15 * grid.unitMs(GridUnit::Pattern) + 0.93 * grid.unitMs(GridUnit::Beat);
    EXPECT_DOUBLE_EQ(grid.step(click, GridUnit::Pattern, 1), 16 * grid.unitMs(GridUnit::Pattern));
    EXPECT_DOUBLE_EQ(grid.step(click, GridUnit::Pattern, -1), 15 * grid.unitMs(GridUnit::Pattern));
    // 2 beats at 130 bpm is 923.08 ms; an event written there is due at 923 ms.
    const double line = 2 * grid.unitMs(GridUnit::Beat);
    EXPECT_EQ(wholeMs(line), 923);
    EXPECT_DOUBLE_EQ(grid.step(923, GridUnit::Beat, 1), 3 * grid.unitMs(GridUnit::Beat));
    EXPECT_DOUBLE_EQ(grid.step(923, GridUnit::Beat, -1), grid.unitMs(GridUnit::Beat));
    EXPECT_DOUBLE_EQ(grid.step(line, GridUnit::Step, 2), line + 2 * grid.unitMs(GridUnit::Step));
    EXPECT_DOUBLE_EQ(grid.step(100, GridUnit::Pattern, -3), 0.0);
}

}  // namespace
