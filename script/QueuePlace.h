// Where the script's queue stands while the show plays: the next event to take and
// the sync pattern with its next step. Everything of a loaded script that changes
// after loading is here, so a kept moment copies this one value.
#pragma once

#include <cstdint>

struct QueuePlace {
    static constexpr int32_t SYNC_STEPS = 32;

    int32_t cursor = 0;  // the next event to take
    int32_t syncIndex = 0;
    bool syncPattern[SYNC_STEPS] = {};
};
