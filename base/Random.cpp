// The shared linear congruential generator: state = state * 214013 + 2531011 (mod 2^32).
#include "base/Random.h"

namespace {
uint32_t state = 0;
uint64_t draws = 0;
}  // namespace

void randomSeed(uint32_t seed) {
    state = seed;
    draws = 0;
}

int32_t nextRandom() {
    state = state * 214013u + 2531011u;
    ++draws;
    return static_cast<int32_t>((state >> 16) & 0x7fff);
}

int32_t randomMod(int32_t n) {
    return nextRandom() % n;
}

uint32_t randomState() {
    return state;
}

uint64_t randomDrawCount() {
    return draws;
}

void randomRestore(uint32_t savedState, uint64_t drawCount) {
    state = savedState;
    draws = drawCount;
}
