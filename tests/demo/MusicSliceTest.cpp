// Scrubbing's slices of the song: their loudness rises from silence and falls back
// to it smoothly (no click), and playing one while paused on SDL's dummy sound
// output leaves the song's position where the pause holds it.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "demo/MusicStream.h"
#include "demo/SliceEnvelope.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestShell.h"
#include "tests/support/TinyShow.h"

namespace {

TEST(SliceEnvelope, RisesFromSilenceAndFallsBackWithoutAStep) {
    for (const auto& [length, fade] : {std::pair<int64_t, int64_t>{3528, 441}, {100, 441}, {7, 3}}) {
        const int64_t rise = std::min(fade, length / 2);
        float largestStep = 0.0f;
        float previous = 0.0f;
        for (int64_t frame = 0; frame <= length; ++frame) {
            const float gain = sliceGain(frame, length, fade);
            EXPECT_GE(gain, 0.0f);
            EXPECT_LE(gain, 1.0f);
            largestStep = std::max(largestStep, std::abs(gain - previous));
            previous = gain;
        }
        EXPECT_LT(sliceGain(0, length, fade), 2.0f / static_cast<float>(rise)) << length;
        EXPECT_LT(sliceGain(length - 1, length, fade), 2.0f / static_cast<float>(rise)) << length;
        EXPECT_FLOAT_EQ(sliceGain(length, length, fade), 0.0f);
        EXPECT_FLOAT_EQ(sliceGain(-1, length, fade), 0.0f);
        if (length >= 2 * fade) {
            EXPECT_FLOAT_EQ(sliceGain(length / 2, length, fade), 1.0f);
        }
        // A raised cosine over `rise` frames never steps more than pi / (2 rise).
        EXPECT_LE(largestStep, 1.6f / static_cast<float>(rise)) << length;
    }
}

TEST(MusicSlice, PlayingASliceWhilePausedKeepsThePositionWhereThePauseHoldsIt) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);  // a sound output on a machine without a sound card
    ASSERT_EQ(SDL_Init(SDL_INIT_TIMER), 0);
    TempDir dir;
    writeTinyShow(dir.path(), 3.0);
    TestShell shell;
    MusicStream music(dir.file("data/song.wav").c_str(), MusicSetup{nullptr, &shell});
    ASSERT_TRUE(music.loaded);
    ASSERT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "no sound output opened";
    music.play();
    SDL_Delay(300);
    music.pause();
    const float held = music.position();
    music.playSlice(2.0, 80.0);
    SDL_Delay(300);
    EXPECT_FLOAT_EQ(music.position(), held);
    music.resume();
    SDL_Delay(200);
    EXPECT_GT(music.position(), held);
    EXPECT_LT(music.position(), held + 1.0f) << "the song went on from the slice, not from the pause";
    music.close();
    SDL_Quit();
}

}  // namespace
