// Greedy track placement; the number of labels in a lane row is small (tens), so a
// straight scan of each track's intervals is all it needs.
#include "timeline/LabelPlacer.h"

#include <algorithm>

namespace {

constexpr double TICK_GAP = 3.0;   // between a tick and its text
constexpr double LABEL_GAP = 6.0;  // between two labels in one track

}  // namespace

bool LabelPlacer::fits(const std::vector<Interval>& track, Interval wanted) const {
    if (wanted.from < minX_ || wanted.to > maxX_) return false;
    return std::none_of(track.begin(), track.end(), [&](const Interval& used) {
        return wanted.from < used.to + LABEL_GAP && used.from < wanted.to + LABEL_GAP;
    });
}

LabelSpot LabelPlacer::place(const LabelRequest& label) {
    const Interval right{label.x + TICK_GAP, label.x + TICK_GAP + label.width};
    const Interval left{label.x - TICK_GAP - label.width, label.x - TICK_GAP};
    // Right of the tick in any track reads better than left of it.
    for (const Interval& wanted : {right, left}) {
        for (std::size_t track = 0; track < taken_.size(); ++track) {
            if (!fits(taken_[track], wanted)) continue;
            taken_[track].push_back(wanted);
            return {static_cast<int32_t>(track), wanted.from};
        }
    }
    return {};
}

int32_t LabelPlacer::tracksUsed() const {
    int32_t used = 0;
    for (std::size_t track = 0; track < taken_.size(); ++track) {
        if (!taken_[track].empty()) used = static_cast<int32_t>(track) + 1;
    }
    return used;
}
