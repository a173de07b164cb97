// Steps of the layout shared between its files: label placement and tooltip boxes
// run on a layout whose rows are known. Not for use outside the layout.
#pragma once

#include <array>

#include "timeline/TimelineLayout.h"

namespace layout {

// Label placement happens before lane heights are known; a spot says which track.
struct LabelDraft {
    PlacedLabel label;
    int32_t track = 0;
};

constexpr int32_t LABEL_KINDS = 4;
using TrackCounts = std::array<int32_t, LABEL_KINDS>;

// Places every label in its row, returns them with the tracks each kind needs.
std::vector<LabelDraft> placeLabels(const Timeline& timeline, const BenchmarkReport* bench,
                                    const TimelineLayout& layout, TrackCounts& tracksUsed);
// Turns tracks into baselines once the lanes are laid out.
void settleLabels(TimelineLayout& layout, const std::vector<LabelDraft>& drafts);
void addHitBoxes(TimelineLayout& layout, const Timeline& timeline, const BenchmarkReport* bench);

LaneKind laneOfLabel(LabelKind kind);

}  // namespace layout
