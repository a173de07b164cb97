// Sections shape the plan: the intro opens the pad and brings in the kick, the
// build adds bass and claps under a rising filter and ends in a snare roll, the
// drops and finale play everything, the break drops the drums, the rise rolls
// the snare faster and faster under a noise sweep, and the outro winds down to
// one held chord.
#include "generator/Arrangement.h"

#include "generator/Drums.h"
#include "generator/Harmony.h"
#include "generator/Synths.h"

namespace {

using namespace song;
namespace rows = song::rows;

double fraction(int inSection, int count) {
    return static_cast<double>(inSection) / count;
}

PatternPlan introPlan(int k) {
    PatternPlan plan;
    plan.padBrightness = 0.15 + 0.05 * k;
    plan.padGain = k < 2 ? 0.6 + 0.2 * k : 1.0;
    if (k >= 2) {
        plan.closedHat = rows::EIGHTHS;
        plan.hatGain = 0.6;
    }
    if (k >= 4) {
        plan.kick = k < 6 ? rows::HALF_TIME : rows::FOUR_TO_THE_FLOOR;
        plan.leadBrightness = 0.25;
        plan.leadGain = 0.6;
    }
    return plan;
}

PatternPlan buildPlan(int k, int count) {
    PatternPlan plan;
    plan.kick = rows::FOUR_TO_THE_FLOOR;
    plan.closedHat = rows::SIXTEENTHS;
    plan.openHat = rows::OFFBEAT;
    plan.bass = rows::OFFBEAT;
    plan.bassBrightness = 0.2 + 0.6 * fraction(k, count);
    plan.padBrightness = 0.3 + 0.6 * fraction(k, count);
    if (k >= count / 2) plan.clap = rows::CLAP;
    if (k == count - 1) {
        plan.snare = rows::ROLL_INTO_DROP;
        plan.snareGain = 0.8;
        plan.riserFrames = FRAMES_PER_PATTERN;
    }
    return plan;
}

PatternPlan fullPlan(int k, const char* kick, double brightness) {
    PatternPlan plan;
    plan.kick = kick;
    plan.clap = rows::CLAP;
    plan.closedHat = rows::SIXTEENTHS;
    plan.openHat = rows::OFFBEAT;
    plan.bass = rows::ROLLING_BASS;
    plan.bassBrightness = brightness;
    plan.padBrightness = brightness - 0.05;
    plan.leadBrightness = brightness;
    plan.leadGain = 1.0;
    plan.crash = k % 8 == 0;
    return plan;
}

PatternPlan breakPlan(int k) {
    PatternPlan plan;
    plan.padBrightness = 0.5;
    plan.padGain = 1.1;
    plan.padPatterns = 2;
    plan.leadBrightness = 0.4;
    plan.leadGain = 0.8;
    if (k >= 4) {
        plan.closedHat = rows::EIGHTHS;
        plan.hatGain = 0.5;
    }
    return plan;
}

PatternPlan risePlan(int k, int count) {
    static const char* const ROLLS[] = {rows::FOUR_TO_THE_FLOOR, rows::FOUR_TO_THE_FLOOR, rows::EIGHTHS,
                                        rows::SIXTEENTHS};
    PatternPlan plan;
    plan.snare = ROLLS[k < 4 ? k : 3];
    plan.snareGain = 0.45 + 0.15 * k;
    plan.padBrightness = 0.3 + 0.7 * fraction(k, count);
    if (k == 0) plan.riserFrames = static_cast<std::size_t>(count) * FRAMES_PER_PATTERN;
    return plan;
}

PatternPlan outroPlan(int k) {
    PatternPlan plan;
    if (k < 4) {
        plan.kick = rows::FOUR_TO_THE_FLOOR;
        plan.closedHat = rows::SIXTEENTHS;
        plan.bass = rows::OFFBEAT;
        plan.bassBrightness = 0.5;
        plan.padBrightness = 0.6;
        plan.leadBrightness = 0.5;
        plan.leadGain = 1.0 - 0.2 * k;
    } else if (k < 8) {
        plan.padBrightness = 0.55 - 0.05 * (k - 4);
    } else if (k == LAST_HIT_PATTERN - section(Part::Outro).firstPattern) {
        // The last word: one kick and cymbal under a chord held to the end.
        plan.kick = rows::LAST_HIT;
        plan.crash = true;
        plan.padBrightness = 0.4;
        plan.padPatterns = 4;
    }
    return plan;
}

// Frames are counted from the pattern's place in what is being arranged.
std::size_t stepFrame(int place, int step) {
    return static_cast<std::size_t>(place) * FRAMES_PER_PATTERN +
           static_cast<std::size_t>(step) * FRAMES_PER_STEP;
}

void renderDrums(SongBuses& buses, int place, const PatternPlan& plan) {
    for (int step = 0; step < PATTERN_LENGTH; ++step) {
        const std::size_t at = stepFrame(place, step);
        if (plan.kick && hit(plan.kick, step)) {
            drums::kick(buses.drums, at, 0.9);
            buses.kicks.push_back(at);
        }
        if (plan.clap && hit(plan.clap, step)) drums::clap(buses.drums, at, 0.45);
        if (plan.snare && hit(plan.snare, step)) drums::snare(buses.drums, at, plan.snareGain * 0.5);
        const double accent = step % 4 == 2 ? 1.0 : 0.7;
        if (plan.closedHat && hit(plan.closedHat, step))
            drums::closedHat(buses.drums, at, 0.2 * plan.hatGain * accent);
        if (plan.openHat && hit(plan.openHat, step)) drums::openHat(buses.drums, at, 0.16 * plan.hatGain);
    }
    if (plan.crash) drums::crash(buses.effects, stepFrame(place, 0), 0.3);
    if (plan.riserFrames > 0) drums::riser(buses.effects, stepFrame(place, 0), plan.riserFrames, 0.35);
}

// What plays comes from the pattern's number in the whole song; where, from its place.
void renderTonal(SongBuses& buses, int place, int pattern, const PatternPlan& plan) {
    const Chord& chord = chordAt(pattern);
    if (plan.bass) {
        for (int step = 0; step < PATTERN_LENGTH; ++step) {
            if (!hit(plan.bass, step)) continue;
            synths::bass(buses.bass, stepFrame(place, step), FRAMES_PER_STEP * 3 / 4, chord.bass,
                         plan.bassBrightness, 0.42);
        }
    }
    const Section s = sectionAt(pattern);
    const bool padStarts = (pattern - s.firstPattern) % plan.padPatterns == 0;
    if (plan.padBrightness > 0.0 && padStarts) {
        synths::pad(buses.pad, stepFrame(place, 0),
                    static_cast<std::size_t>(plan.padPatterns) * FRAMES_PER_PATTERN, chord.voices,
                    plan.padBrightness, 0.5 * plan.padGain);
    }
    if (plan.leadGain > 0.0) {
        for (const Note& note : leadPhrase(s.part, pattern)) {
            synths::lead(buses.lead, stepFrame(place, note.step),
                         static_cast<std::size_t>(note.length) * FRAMES_PER_STEP * 7 / 8, note.pitch,
                         plan.leadBrightness, 0.22 * plan.leadGain * note.level);
        }
    }
}

}  // namespace

PatternPlan planFor(int pattern) {
    const Section s = sectionAt(pattern);
    const int k = pattern - s.firstPattern;
    switch (s.part) {
        case Part::Intro:
            return introPlan(k);
        case Part::Build:
            return buildPlan(k, s.patternCount);
        case Part::Drop:
            return fullPlan(k, rows::FOUR_TO_THE_FLOOR, 0.8);
        case Part::Break:
            return breakPlan(k);
        case Part::Rise:
            return risePlan(k, s.patternCount);
        case Part::Finale:
            return fullPlan(k, rows::FINALE_KICK, 0.9);
        default:
            return outroPlan(k);
    }
}

SongBuses arrange() {
    std::vector<int> patterns(SONG_PATTERNS);
    for (int pattern = 0; pattern < SONG_PATTERNS; ++pattern) patterns[pattern] = pattern;
    return arrange(patterns);
}

SongBuses arrange(const std::vector<int>& patterns) {
    SongBuses buses(patterns.size() * FRAMES_PER_PATTERN + TAIL_FRAMES);
    for (std::size_t place = 0; place < patterns.size(); ++place) {
        const PatternPlan plan = planFor(patterns[place]);
        renderDrums(buses, static_cast<int>(place), plan);
        renderTonal(buses, static_cast<int>(place), patterns[place], plan);
    }
    return buses;
}
