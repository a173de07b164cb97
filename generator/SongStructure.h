// The song's clock and form, shared by the synthesiser and the script writer so
// the show stays in step with the music: tempo, pattern geometry, the sections in
// patterns, and the drum rows (16 steps, "x" a hit) that the sync patterns follow.
#pragma once

#include <cstddef>

namespace song {

constexpr int BPM = 125;
constexpr int PATTERN_LENGTH = 16;  // steps per pattern
constexpr int PATTERN_SPEED = 4;    // steps per beat
constexpr int SAMPLE_RATE = 44100;
constexpr int CHANNELS = 2;

static_assert(SAMPLE_RATE * 60 % (BPM * PATTERN_SPEED) == 0, "a step must be a whole number of frames");
constexpr int FRAMES_PER_STEP = SAMPLE_RATE * 60 / (BPM * PATTERN_SPEED);  // 5292: 0.12 s
constexpr int FRAMES_PER_BEAT = FRAMES_PER_STEP * PATTERN_SPEED;
constexpr int FRAMES_PER_PATTERN = FRAMES_PER_STEP * PATTERN_LENGTH;
constexpr int BEATS_PER_PATTERN = PATTERN_LENGTH / PATTERN_SPEED;

enum class Part { Intro, Build, Drop, Break, Rise, Finale, Outro };

struct Section {
    Part part = Part::Intro;
    int firstPattern = 0;
    int patternCount = 0;
};

constexpr Section SECTIONS[] = {
    {Part::Intro, 0, 8}, {Part::Build, 8, 8},    {Part::Drop, 16, 16},  {Part::Break, 32, 8},
    {Part::Rise, 40, 4}, {Part::Finale, 44, 16}, {Part::Outro, 60, 12},
};
constexpr int SONG_PATTERNS = 72;
// After the last pattern the final chord and the echoes ring out for this long.
constexpr int TAIL_FRAMES = 3 * SAMPLE_RATE;
constexpr std::size_t SONG_FRAMES =
    static_cast<std::size_t>(SONG_PATTERNS) * FRAMES_PER_PATTERN + TAIL_FRAMES;

constexpr Section section(Part part) {
    for (const Section& s : SECTIONS) {
        if (s.part == part) return s;
    }
    return {};
}

// The outro's one kick and cymbal under a held chord: from here the song fades out.
constexpr int LAST_HIT_PATTERN = section(Part::Outro).firstPattern + 8;

constexpr Section sectionAt(int pattern) {
    for (const Section& s : SECTIONS) {
        if (pattern >= s.firstPattern && pattern < s.firstPattern + s.patternCount) return s;
    }
    return {Part::Outro, SONG_PATTERNS, 0};
}

// Drum rows, one character per step.
namespace rows {
constexpr const char* HALF_TIME = "x.......x.......";
constexpr const char* FOUR_TO_THE_FLOOR = "x...x...x...x...";
constexpr const char* FINALE_KICK = "x...x...x...x.x.";
constexpr const char* CLAP = "....x.......x...";
constexpr const char* OFFBEAT = "..x...x...x...x.";
constexpr const char* KICK_AND_OFFBEAT = "x.x.x.x.x.x.x.x.";
constexpr const char* EIGHTHS = "x.x.x.x.x.x.x.x.";
constexpr const char* SIXTEENTHS = "xxxxxxxxxxxxxxxx";
constexpr const char* ROLL_INTO_DROP = "x.x.x.x.xxxxxxxx";
constexpr const char* ROLLING_BASS = ".xxx.xxx.xxx.xxx";
constexpr const char* LAST_HIT = "x...............";
}  // namespace rows

constexpr bool hit(const char* row, int step) {
    return row[step] != '.';
}

}  // namespace song
