// The show's one random sequence: a linear congruential generator shared by the
// driver, the scene and the overlay. The order of draws is part of the show, so
// every user draws from here and nowhere else.
#pragma once

#include <cstdint>

// Where the sequence stands: all of the generator, as a plain value to keep and put back.
struct RandomPlace {
    uint32_t state = 0;
    uint64_t draws = 0;  // results drawn since the last seed, for traces and tests
};

// Restarts the sequence; the driver seeds with 0 at every start of the demo.
void randomSeed(uint32_t seed);

// Next result, 0..32767 (bits 16 to 30 of the new state).
int32_t nextRandom();

// The next result modulo n: the r(n) draw of the layers. n must be positive.
int32_t randomMod(int32_t n);

// The state after the latest draw, for traces and tests.
uint32_t randomState();

// How many results have been drawn since the last seed, for traces and tests.
uint64_t randomDrawCount();

RandomPlace randomPlace();
void setRandomPlace(const RandomPlace& place);
