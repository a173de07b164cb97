// When the queue takes each event: in file order, so an event waits for every event
// listed before it, and from the show's first frame, at song time 0, on. The check,
// the timeline and a reload's comparison of two scripts all count times this way.
#pragma once

#include <algorithm>
#include <cstdint>

class TakenTimes {
public:
    // The time the queue takes the next event in file order, written for `timeMs`.
    int32_t take(int32_t timeMs) {
        latestMs_ = std::max(latestMs_, timeMs);
        return latestMs_;
    }
    // The time the latest event was taken (0 before the first).
    int32_t latestMs() const { return latestMs_; }

private:
    int32_t latestMs_ = 0;
};
