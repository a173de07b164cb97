// Zooming keeps the pivot's fraction of the span fixed; clamping shifts the view
// rather than squeezing it, so the zoom stays what the wheel asked for.
#include "editor/TimelineView.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double ZOOM_PER_STEP = 0.8;  // span kept by one step of the wheel inwards
constexpr double PAGE_LEAD = 0.05;     // a new page starts this fraction of a span before the play head

TimelineView shiftedInside(double from, double span, double endSeconds) {
    from = std::clamp(from, 0.0, std::max(0.0, endSeconds - span));
    return TimelineView{from, from + span};
}

}  // namespace

double TimelineView::secondsAt(double x, double left, double width) const {
    return from + (x - left) / width * span();
}

double TimelineView::xOf(double seconds, double left, double width) const {
    return left + (seconds - from) / span() * width;
}

TimelineView wholeView(double endSeconds) {
    return TimelineView{0.0, std::max(endSeconds, 1e-3)};
}

TimelineView zoomedView(const TimelineView& view, double pivotSeconds, double wheelSteps, double endSeconds,
                        double narrowestSpan) {
    const double widest = std::max(endSeconds, 1e-3);
    const double span = std::clamp(view.span() * std::pow(ZOOM_PER_STEP, wheelSteps),
                                   std::min(narrowestSpan, widest), widest);
    const double fraction = (pivotSeconds - view.from) / view.span();
    return shiftedInside(pivotSeconds - fraction * span, span, widest);
}

TimelineView viewFollowing(const TimelineView& view, double seconds, double endSeconds) {
    if (seconds >= view.from && seconds <= view.to) return view;
    return shiftedInside(seconds - PAGE_LEAD * view.span(), view.span(), std::max(endSeconds, 1e-3));
}
