// The phrases are written per chord of the loop, so the lead always fits the pad.
#include "generator/Harmony.h"

namespace {

const Chord PROGRESSION[4] = {
    {45, {57, 60, 64, 69}},  // A minor
    {41, {57, 60, 65, 53}},  // F major
    {36, {55, 60, 64, 67}},  // C major
    {43, {55, 59, 62, 67}},  // G major
};

int chordIndex(int pattern) {
    const song::Section s = song::sectionAt(pattern);
    // The break breathes: each chord lasts two patterns there.
    if (s.part == song::Part::Break) return ((pattern - s.firstPattern) / 2) % 4;
    return pattern % 4;
}

// The main hook: eighth-note motion with a syncopated turn, one bar per chord.
std::vector<Note> hook(int chord) {
    static const int PITCHES[4][8] = {
        {76, 81, 84, 83, 81, 76, 79, 81},
        {77, 81, 84, 81, 77, 72, 74, 77},
        {76, 79, 84, 79, 76, 72, 74, 76},
        {74, 79, 83, 81, 79, 74, 71, 74},
    };
    static const int STEPS[8] = {0, 2, 4, 6, 7, 9, 12, 14};
    static const int LENGTHS[8] = {2, 2, 2, 1, 2, 3, 2, 2};
    std::vector<Note> notes;
    for (int i = 0; i < 8; ++i) notes.push_back({STEPS[i], PITCHES[chord][i], LENGTHS[i]});
    return notes;
}

// Slow long notes over the break's held chords.
std::vector<Note> breakLine(int chord, bool firstHalf) {
    static const int PITCHES[4][4] = {{69, 72, 76, 74}, {69, 72, 77, 76}, {67, 72, 76, 79}, {67, 71, 74, 72}};
    const int offset = firstHalf ? 0 : 2;
    return {{0, PITCHES[chord][offset], 6}, {8, PITCHES[chord][offset + 1], 8}};
}

// Chord tones climbing in sixteenths, an octave over the pad.
std::vector<Note> arpeggio(int chord) {
    static const int ORDER[8] = {0, 1, 2, 3, 2, 1, 2, 3};
    std::vector<Note> notes;
    const std::vector<int>& voices = PROGRESSION[chord].voices;
    for (int step = 0; step < song::PATTERN_LENGTH; ++step) {
        notes.push_back({step, voices[ORDER[step % 8]] + 12, 1, 0.45});
    }
    return notes;
}

}  // namespace

const Chord& chordAt(int pattern) {
    return PROGRESSION[chordIndex(pattern)];
}

std::vector<Note> leadPhrase(song::Part part, int pattern) {
    const int chord = chordIndex(pattern);
    const int inSection = pattern - song::sectionAt(pattern).firstPattern;
    switch (part) {
        case song::Part::Intro:
            return inSection >= 4 ? arpeggio(chord) : std::vector<Note>{};
        case song::Part::Drop:
            return hook(chord);
        case song::Part::Break:
            return breakLine(chord, inSection % 2 == 0);
        case song::Part::Finale: {
            std::vector<Note> notes = hook(chord);
            if (inSection >= 8) {
                for (const Note& n : arpeggio(chord)) notes.push_back(n);
            }
            return notes;
        }
        case song::Part::Outro:
            return inSection < 4 ? hook(chord) : std::vector<Note>{};
        default:
            return {};
    }
}
