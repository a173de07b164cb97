// The shared linear congruential generator: state = state * 214013 + 2531011 (mod 2^32).
#include "base/Random.h"

namespace {
RandomPlace sequence;
}  // namespace

void randomSeed(uint32_t seed) {
    sequence = RandomPlace{seed, 0};
}

int32_t nextRandom() {
    sequence.state = sequence.state * 214013u + 2531011u;
    ++sequence.draws;
    return static_cast<int32_t>((sequence.state >> 16) & 0x7fff);
}

int32_t randomMod(int32_t n) {
    return nextRandom() % n;
}

uint32_t randomState() {
    return sequence.state;
}

uint64_t randomDrawCount() {
    return sequence.draws;
}

RandomPlace randomPlace() {
    return sequence;
}

void setRandomPlace(const RandomPlace& place) {
    sequence = place;
}
