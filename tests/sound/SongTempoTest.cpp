// The tempo and first beat found in synthetic songs of known tempo and lead-in, in
// the formats the player reads; the grid's fit on its own where the tracker starts
// late or the music starts between grid lines; unreadable songs.
#include <gtest/gtest.h>

#include <string>

#include "generator/Song.h"
#include "generator/SongStructure.h"
#include "sound/SongListening.h"
#include "sound/SongTempo.h"
#include "tests/support/BeatSong.h"
#include "tests/support/TempDir.h"

namespace {

std::optional<SongTempo> gridOf(const std::string& path, std::optional<int32_t> bpm = std::nullopt) {
    std::string error;
    const std::optional<HeardSong> heard = listenToSong(path, error);
    EXPECT_TRUE(heard) << error;
    return heard ? fitSongTempo(*heard, bpm) : std::nullopt;
}

}  // namespace

TEST(SongTempo, FindsTheTempoWithin1AndTheFirstBeatWithin20MsInEveryFormat) {
    struct Case {
        const char* file;
        double bpm;
        double leadIn;
    };
    const Case cases[] = {{"ninety.wav", 90, 1.234}, {"dance.ogg", 125, 2.0}, {"fast.flac", 140, 0.5}};
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = dir.file(c.file);
        writeBeatSong(path, {c.bpm, c.leadIn, 20.0, true});
        const std::optional<SongTempo> grid = gridOf(path);
        ASSERT_TRUE(grid);
        EXPECT_NEAR(grid->bpm, c.bpm, 1.0);
        EXPECT_NEAR(grid->firstBeatSeconds, c.leadIn, 0.020);
    }
}

TEST(SongTempo, AGivenTempoIsKeptAndTheFirstBeatStillFound) {
    TempDir dir;
    const std::string path = dir.file("song.wav");
    writeBeatSong(path, {125, 0.75, 15.0, false});
    const std::optional<SongTempo> grid = gridOf(path, 125);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->bpm, 125);
    EXPECT_NEAR(grid->firstBeatSeconds, 0.75, 0.020);
}

TEST(SongTempo, LoudOnsetsGiveTheGridAndAPickupDoesNotStartIt) {
    HeardSong heard;
    // 120 bpm, kicks on 1.0 + k/2 with quiet hats between, and one hat as a pickup
    // before the first kick; the tracker locks on late and a little off.
    for (double t = 6.01; t < 20.0; t += 0.5) heard.beats.push_back(t);
    heard.onsets.push_back({0.75, 0.1});
    for (double t = 1.0; t < 20.0; t += 0.5)
        heard.onsets.insert(heard.onsets.end(), {{t + 0.002, 1.0}, {t + 0.25, 0.1}});
    heard.trackerBpm = 121.3;
    const std::optional<SongTempo> grid = fitSongTempo(heard, std::nullopt);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->bpm, 120);
    EXPECT_NEAR(grid->firstBeatSeconds, 1.002, 0.001);
}

TEST(SongTempo, AGridLineJustBeforeTheSongStartsIsItsStartAndNothingHeardFitsNothing) {
    HeardSong heard;
    heard.trackerBpm = 120;
    heard.onsets.push_back({0.002, 1.0});
    for (double t = 0.494; t < 10.0; t += 0.5) heard.onsets.push_back({t, 1.0});
    const std::optional<SongTempo> grid = fitSongTempo(heard, std::nullopt);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->firstBeatSeconds, 0.0);
    const HeardSong silence;
    EXPECT_FALSE(fitSongTempo(silence, std::nullopt));
    const std::optional<SongTempo> given = fitSongTempo(silence, 100);
    ASSERT_TRUE(given) << "a given tempo needs nothing heard";
    EXPECT_EQ(given->bpm, 100);
    EXPECT_EQ(given->firstBeatSeconds, 0.0);
}

TEST(SongListening, AnUnreadableSongSaysWhy) {
    TempDir dir;
    std::string error;
    EXPECT_FALSE(listenToSong(dir.file("missing.ogg"), error));
    EXPECT_NE(error, "");
    error.clear();
    EXPECT_FALSE(listenToSong(dir.write("text.wav", "not a song at all\n"), error));
    EXPECT_NE(error, "");
}

// Real music, with pads, bass and hats around the kicks: the short song the
// generator makes for a new show, at its tempo and from its first pattern.
TEST(SongTempo, HearsTheGeneratedShortSongAt125FromItsStart) {
    TempDir dir;
    const std::string path = dir.file("short.ogg");
    ASSERT_TRUE(writeSong(path, synthesiseShortSong()));
    const std::optional<SongTempo> grid = gridOf(path);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->bpm, song::BPM);
    EXPECT_NEAR(grid->firstBeatSeconds, 0.0, 0.020);
}
