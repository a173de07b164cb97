// Puts text labels beside their ticks in a few stacked tracks so that no two
// overlap: each goes into the first track with room, to the right of its tick or,
// near the right edge, to its left; a label with no room anywhere is left out.
#pragma once

#include <cstdint>
#include <vector>

struct LabelRequest {
    double x = 0.0;  // the tick the label belongs to
    double width = 0.0;
};

struct LabelSpot {
    int32_t track = -1;  // -1: no room, not drawn
    double left = 0.0;   // where the text starts
};

class LabelPlacer {
public:
    LabelPlacer(int32_t tracks, double minX, double maxX)
        : taken_(static_cast<std::size_t>(tracks)), minX_(minX), maxX_(maxX) {}

    LabelSpot place(const LabelRequest& label);
    // How many tracks hold at least one label.
    int32_t tracksUsed() const;

private:
    struct Interval {
        double from = 0.0;
        double to = 0.0;
    };
    bool fits(const std::vector<Interval>& track, Interval wanted) const;

    std::vector<std::vector<Interval>> taken_;
    double minX_ = 0.0;
    double maxX_ = 0.0;
};
