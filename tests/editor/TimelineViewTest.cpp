// The timeline strip's view: the wheel zooms around the pointer without moving the
// time under it, never past the show's ends nor narrower than asked, and the view
// pages to the play head when it leaves.
#include <gtest/gtest.h>

#include "editor/TimelineView.h"

namespace {

constexpr double END = 141.24;
constexpr double LEFT = 10.0;
constexpr double WIDTH = 620.0;

TEST(TimelineView, ZoomingKeepsTheTimeUnderThePointerWhereItIs) {
    const TimelineView whole = wholeView(END);
    for (const double pointerX : {LEFT + 100.0, LEFT + 310.0, LEFT + 600.0}) {
        const double pivot = whole.secondsAt(pointerX, LEFT, WIDTH);
        const TimelineView in = zoomedView(whole, pivot, 3.0, END, 1.0);
        EXPECT_NEAR(in.span(), whole.span() * 0.8 * 0.8 * 0.8, 1e-9);
        EXPECT_NEAR(in.xOf(pivot, LEFT, WIDTH), pointerX, 1e-6);
        const TimelineView back = zoomedView(in, pivot, -3.0, END, 1.0);
        EXPECT_NEAR(back.from, 0.0, 1e-9);
        EXPECT_NEAR(back.to, END, 1e-9);
    }
}

TEST(TimelineView, ZoomStopsAtTheWholeShowAndAtTheNarrowestSpanAndStaysInside) {
    const TimelineView whole = wholeView(END);
    const TimelineView out = zoomedView(whole, 70.0, -5.0, END, 1.0);
    EXPECT_DOUBLE_EQ(out.from, 0.0);
    EXPECT_DOUBLE_EQ(out.to, END);
    const TimelineView deep = zoomedView(whole, 140.0, 100.0, END, 1.92);
    EXPECT_NEAR(deep.span(), 1.92, 1e-9);
    EXPECT_LE(deep.to, END);
    // Zooming out near the end would pass it: the view shifts back instead of shrinking.
    const TimelineView nearEnd{130.0, END};
    const TimelineView wider = zoomedView(nearEnd, 135.0, -2.0, END, 1.0);
    EXPECT_NEAR(wider.span(), (END - 130.0) / 0.64, 1e-9);
    EXPECT_DOUBLE_EQ(wider.to, END);
}

TEST(TimelineView, FollowingPagesOnlyWhenThePlayHeadLeavesTheView) {
    const TimelineView view{20.0, 30.0};
    const TimelineView same = viewFollowing(view, 25.0, END);
    EXPECT_DOUBLE_EQ(same.from, 20.0);
    const TimelineView next = viewFollowing(view, 31.0, END);
    EXPECT_LT(next.from, 31.0);
    EXPECT_GT(next.to, 31.0);
    EXPECT_DOUBLE_EQ(next.span(), 10.0);
    const TimelineView last = viewFollowing(view, 140.0, END);
    EXPECT_DOUBLE_EQ(last.to, END);
}

}  // namespace
