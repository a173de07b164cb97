// What the song plays: a four-chord loop in A minor (Am F C G, one chord per
// pattern) and the lead's phrases for each section, as notes on the step grid.
#pragma once

#include <vector>

#include "generator/SongStructure.h"

struct Chord {
    int bass = 0;             // MIDI note of the bass line
    std::vector<int> voices;  // MIDI notes of the pad
};

struct Note {
    int step = 0;    // 0..15 within the pattern
    int pitch = 0;   // MIDI note
    int length = 1;  // in steps
    double level = 1.0;
};

// The chord of a pattern; the break holds each chord for two patterns.
const Chord& chordAt(int pattern);
// The lead's notes in a pattern of the given part; empty where the lead rests.
std::vector<Note> leadPhrase(song::Part part, int pattern);
