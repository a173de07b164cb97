// The instruments: every hit and note fades to near silence before its rendering
// stops (a cut-off tail clicks), and the lead never plays outside the key.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "generator/Drums.h"
#include "generator/Harmony.h"
#include "generator/Synths.h"

namespace {

struct Rendered {
    double peak = 0.0;
    double tail = 0.0;  // loudest sample of the last quarter millisecond that holds any sound
    bool finite = true;
};

Rendered render(const std::function<void(StereoBuffer&)>& play) {
    StereoBuffer buffer(10 * 44100);
    play(buffer);
    Rendered r;
    std::size_t last = 0;
    for (std::size_t i = 0; i < buffer.frames(); ++i) {
        const double v = std::max(std::fabs(buffer.left[i]), std::fabs(buffer.right[i]));
        r.finite = r.finite && std::isfinite(v);
        r.peak = std::max(r.peak, v);
        if (v > 0.0) last = i;
    }
    for (std::size_t i = last > 11 ? last - 11 : 0; i <= last; ++i) {
        r.tail = std::max<double>(r.tail, std::max(std::fabs(buffer.left[i]), std::fabs(buffer.right[i])));
    }
    return r;
}

}  // namespace

TEST(Instruments, EveryHitAndNoteDiesAwayBeforeItsRenderingEnds) {
    const struct {
        const char* name;
        std::function<void(StereoBuffer&)> play;
    } cases[] = {
        {"kick", [](StereoBuffer& b) { drums::kick(b, 0, 0.9); }},
        {"clap", [](StereoBuffer& b) { drums::clap(b, 0, 0.5); }},
        {"snare", [](StereoBuffer& b) { drums::snare(b, 0, 0.5); }},
        {"closed hat", [](StereoBuffer& b) { drums::closedHat(b, 0, 0.3); }},
        {"open hat", [](StereoBuffer& b) { drums::openHat(b, 0, 0.3); }},
        {"crash", [](StereoBuffer& b) { drums::crash(b, 0, 0.3); }},
        {"bass", [](StereoBuffer& b) { synths::bass(b, 0, 4000, 45, 0.8, 0.4); }},
        {"pad",
         [](StereoBuffer& b) {
             synths::pad(b, 0, 44100, {57, 60, 64}, 0.6, 0.5);
         }},
        {"lead", [](StereoBuffer& b) { synths::lead(b, 0, 8000, 76, 0.8, 0.3); }},
    };
    for (const auto& c : cases) {
        const Rendered r = render(c.play);
        EXPECT_TRUE(r.finite) << c.name;
        EXPECT_GT(r.peak, 0.01) << c.name << " is silent";
        EXPECT_LT(r.tail, r.peak * 0.02) << c.name << " is cut off while still sounding";
    }
}

TEST(Harmony, LeadPadAndBassStayInAMinor) {
    const bool inKey[12] = {true, false, true, true, false, true, false, true, true, false, true, false};
    auto check = [&](int note, const char* what, int pattern) {
        EXPECT_TRUE(inKey[(note - 57 + 120) % 12]) << what << " note " << note << " in pattern " << pattern;
    };
    for (int pattern = 0; pattern < song::SONG_PATTERNS; ++pattern) {
        const Chord& chord = chordAt(pattern);
        check(chord.bass, "bass", pattern);
        for (int voice : chord.voices) check(voice, "pad", pattern);
        for (const Note& n : leadPhrase(song::sectionAt(pattern).part, pattern)) {
            check(n.pitch, "lead", pattern);
            EXPECT_GE(n.step, 0);
            EXPECT_LT(n.step, song::PATTERN_LENGTH);
        }
    }
}
