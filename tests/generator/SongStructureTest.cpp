// The song's form: sections that tile the song without gaps, a length within the
// two to three minutes the show needs, and drum rows of exactly one pattern (the
// arrangement and the sync patterns index them by step).
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "generator/Arrangement.h"
#include "generator/SongStructure.h"

TEST(SongStructure, SectionsFollowEachOtherWithoutGapsAndEndWithTheSong) {
    int next = 0;
    for (const song::Section& s : song::SECTIONS) {
        EXPECT_EQ(s.firstPattern, next);
        EXPECT_GT(s.patternCount, 0);
        next = s.firstPattern + s.patternCount;
    }
    EXPECT_EQ(next, song::SONG_PATTERNS);
}

TEST(SongStructure, LastsBetweenTwoAndThreeMinutesOnAWholeStepGrid) {
    const double seconds = static_cast<double>(song::SONG_FRAMES) / song::SAMPLE_RATE;
    EXPECT_GE(seconds, 120.0);
    EXPECT_LE(seconds, 180.0);
    EXPECT_EQ(song::FRAMES_PER_STEP * song::BPM * song::PATTERN_SPEED, song::SAMPLE_RATE * 60);
}

TEST(SongStructure, EveryDrumRowThatPlaysIsOnePatternLong) {
    for (int pattern = 0; pattern < song::SONG_PATTERNS; ++pattern) {
        const PatternPlan plan = planFor(pattern);
        for (const char* row : {plan.kick, plan.clap, plan.snare, plan.closedHat, plan.openHat, plan.bass}) {
            if (row != nullptr) {
                EXPECT_EQ(std::strlen(row), static_cast<size_t>(song::PATTERN_LENGTH)) << row;
            }
        }
        EXPECT_GE(plan.padPatterns, 1) << "pattern " << pattern;
    }
}

TEST(SongStructure, APatternArrangedElsewherePlaysItsOwnDrumsAtItsNewPlace) {
    const SongBuses whole = arrange();
    const SongBuses moved = arrange({song::LAST_HIT_PATTERN, 16});
    std::vector<std::size_t> expected;
    for (int pattern : {song::LAST_HIT_PATTERN, 16}) {
        const std::size_t from = static_cast<std::size_t>(pattern) * song::FRAMES_PER_PATTERN;
        const std::size_t place = expected.empty() ? 0 : song::FRAMES_PER_PATTERN;
        for (std::size_t kick : whole.kicks) {
            if (kick >= from && kick < from + song::FRAMES_PER_PATTERN)
                expected.push_back(kick - from + place);
        }
    }
    EXPECT_EQ(moved.kicks, expected);
    EXPECT_EQ(moved.drums.frames(), 2u * song::FRAMES_PER_PATTERN + song::TAIL_FRAMES);
}
