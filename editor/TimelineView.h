// The stretch of song time the timeline strip shows, and how it zooms and scrolls:
// the mouse wheel zooms around the time under the pointer, and the view follows
// the play head a page at a time. Numbers only; no drawing.
#pragma once

struct TimelineView {
    double from = 0.0;  // song seconds at the plot's left edge
    double to = 1.0;    // and at its right edge

    double span() const { return to - from; }
    // Song seconds at x of a plot that starts at `left` and is `width` wide, and back.
    double secondsAt(double x, double left, double width) const;
    double xOf(double seconds, double left, double width) const;
};

// The whole show, 0 to `endSeconds`.
TimelineView wholeView(double endSeconds);
// Zoomed by `wheelSteps` (positive: in) so that `pivotSeconds` stays where it is on
// the plot; never wider than the show nor narrower than `narrowestSpan`, and
// shifted back inside 0..endSeconds when it would leave it.
TimelineView zoomedView(const TimelineView& view, double pivotSeconds, double wheelSteps, double endSeconds,
                        double narrowestSpan);
// The same view when `seconds` is on it, else the page that starts just before it.
TimelineView viewFollowing(const TimelineView& view, double seconds, double endSeconds);
