// The lanes that show state over time: the song's waveform, the switch spans, the
// camera jumps with the sync pattern's changes, and the overlay pictures with
// their shown spans, modes, fades and piece steps.
#include <algorithm>
#include <cmath>

#include "timeline/DrawParts.h"

namespace draw {
namespace {

constexpr double MODE_STRIP = 3.0;
constexpr double PIECE_MARK = 3.0;

void waveformRow(const DrawInput& in, int32_t row, const Lane& lane) {
    const TimelineLayout& layout = in.layout;
    const double middle = layout.laneTop(row, lane) + lane.height / 2.0;
    const double scale = lane.height / 2.0 - 2.0;
    const double columnSeconds = 1.0 / layout.pixelsPerSecond;
    const double from = layout.rows[static_cast<std::size_t>(row)].from;
    for (double x = layout.plotLeft; x < layout.plotRight; x += 1.0) {
        const double t = from + (x - layout.plotLeft) * columnSeconds;
        if (t >= in.wave.seconds) break;
        float low = 0.0f;
        float high = 0.0f;
        in.wave.range(t, t + columnSeconds, low, high);
        const double top = middle - std::clamp(static_cast<double>(high), -1.0, 1.0) * scale;
        const double bottom = middle - std::clamp(static_cast<double>(low), -1.0, 1.0) * scale;
        cairo_rectangle(in.cr, x, top, 1.0, std::max(bottom - top, 0.5));
    }
    cairo_fill(in.cr);
}

void spanBar(const DrawInput& in, const Lane& lane, Span span, double inset) {
    forEachRowPiece(in.layout, span, [&](int32_t row, double from, double to) {
        const double x0 = in.layout.xOf(row, from);
        const double x1 = in.layout.xOf(row, to);
        cairo_rectangle(in.cr, x0, in.layout.laneTop(row, lane) + inset, x1 - x0, lane.height - 2.0 * inset);
    });
    cairo_fill(in.cr);
}

// The stretch of a mode that falls inside one shown span gets a strip at the lane's foot.
void modeStrips(const DrawInput& in, const Lane& lane, const PictureLane& picture) {
    for (const ModeSpan& mode : picture.modes) {
        if (mode.mode == 0) continue;
        setColour(in.cr, palette::pictureMode(mode.mode));
        for (const Span& shown : picture.shown) {
            const Span both{std::max(mode.span.on, shown.on), std::min(mode.span.off, shown.off)};
            if (both.off <= both.on) continue;
            forEachRowPiece(in.layout, both, [&](int32_t row, double from, double to) {
                const double x0 = in.layout.xOf(row, from);
                const double bottom = in.layout.laneTop(row, lane) + lane.height - 1.0;
                cairo_rectangle(in.cr, x0, bottom - MODE_STRIP, in.layout.xOf(row, to) - x0, MODE_STRIP);
            });
            cairo_fill(in.cr);
        }
    }
}

// A fade as a ramp of the picture's level, split where it crosses rows.
void fadeRamp(const DrawInput& in, const Lane& lane, const PictureMarkAt& fade) {
    const double length = fade.until - fade.seconds;
    if (!(length > 0.0)) return;
    const bool rising = fade.mark == PictureMark::FadeIn;
    const auto level = [&](double t) {
        const double done = (t - fade.seconds) / length;
        return rising ? done : 1.0 - done;
    };
    setColour(in.cr, palette::pictureFade(), 0.75);
    forEachRowPiece(in.layout, {fade.seconds, fade.until}, [&](int32_t row, double from, double to) {
        const double top = in.layout.laneTop(row, lane) + 1.0;
        const double bottom = top + lane.height - 2.0;
        const double x0 = in.layout.xOf(row, from);
        const double x1 = in.layout.xOf(row, to);
        cairo_move_to(in.cr, x0, bottom);
        cairo_line_to(in.cr, x0, bottom - level(from) * (bottom - top));
        cairo_line_to(in.cr, x1, bottom - level(to) * (bottom - top));
        cairo_line_to(in.cr, x1, bottom);
        cairo_close_path(in.cr);
    });
    cairo_fill(in.cr);
}

void pieceMark(const DrawInput& in, const Lane& lane, const PictureMarkAt& mark) {
    const int32_t row = in.layout.rowOf(mark.seconds);
    const double x = in.layout.xOf(row, mark.seconds);
    const double top = in.layout.laneTop(row, lane) + 1.5;
    const double bottom = top + lane.height - 3.0;
    if (mark.mark == PictureMark::NextPiece) {
        cairo_move_to(in.cr, x - PIECE_MARK, bottom);
        cairo_line_to(in.cr, x + PIECE_MARK, bottom);
        cairo_line_to(in.cr, x, bottom - 2.0 * PIECE_MARK);
    } else {
        cairo_move_to(in.cr, x - PIECE_MARK, top);
        cairo_line_to(in.cr, x + PIECE_MARK, top);
        cairo_line_to(in.cr, x, top + 2.0 * PIECE_MARK);
    }
    cairo_close_path(in.cr);
    setColour(in.cr, palette::INK);
    cairo_fill(in.cr);
}

// Show and hide as thin edges, so that one which changes nothing (a title the scene
// has already hidden) is still seen.
void visibilityMark(const DrawInput& in, const Lane& lane, const PictureMarkAt& mark) {
    const int32_t row = in.layout.rowOf(mark.seconds);
    const double x = std::round(in.layout.xOf(row, mark.seconds)) + 0.5;
    const double top = in.layout.laneTop(row, lane);
    setColour(in.cr, palette::pictureFade());
    cairo_set_line_width(in.cr, 1.0);
    cairo_move_to(in.cr, x, top + 1.0);
    cairo_line_to(in.cr, x, top + lane.height - 1.0);
    cairo_stroke(in.cr);
}

void pictureLane(const DrawInput& in, const Lane& lane, const PictureLane& picture) {
    setColour(in.cr, palette::pictureShown());
    for (const Span& shown : picture.shown) spanBar(in, lane, shown, 1.0);
    modeStrips(in, lane, picture);
    for (const PictureMarkAt& mark : picture.marks) {
        if (mark.mark == PictureMark::FadeIn || mark.mark == PictureMark::FadeOut) fadeRamp(in, lane, mark);
        if (mark.mark == PictureMark::NextPiece || mark.mark == PictureMark::PreviousPiece)
            pieceMark(in, lane, mark);
        if (mark.mark == PictureMark::Show || mark.mark == PictureMark::Hide) visibilityMark(in, lane, mark);
    }
}

}  // namespace

void waveform(const DrawInput& in) {
    const Lane* lane = in.layout.lane(LaneKind::Waveform);
    if (lane == nullptr || in.wave.seconds <= 0.0) return;
    setColour(in.cr, palette::WAVEFORM);
    for (std::size_t row = 0; row < in.layout.rows.size(); ++row)
        waveformRow(in, static_cast<int32_t>(row), *lane);
}

void switches(const DrawInput& in) {
    for (std::size_t i = 0; i < in.timeline.switches.size(); ++i) {
        const Lane* lane = in.layout.lane(LaneKind::Switch, static_cast<int32_t>(i));
        if (lane == nullptr) continue;
        setColour(in.cr, palette::switchColour(static_cast<int32_t>(i)));
        for (const Span& span : in.timeline.switches[i].spans) spanBar(in, *lane, span, 2.0);
    }
}

void jumps(const DrawInput& in) {
    const Lane* lane = in.layout.lane(LaneKind::Jumps);
    if (lane == nullptr) return;
    const TimelineLayout& layout = in.layout;
    cairo_t* cr = in.cr;
    setColour(cr, palette::JUMP);
    cairo_set_line_width(cr, 1.0);
    for (const CameraJump& jump : in.timeline.jumps) {
        const int32_t row = layout.rowOf(jump.seconds);
        const double x = std::round(layout.xOf(row, jump.seconds)) + 0.5;
        const double bottom = layout.laneTop(row, *lane) + lane->height - 1.0;
        cairo_move_to(cr, x, bottom - TimelineLayout::JUMP_TICKS + 3.0);
        cairo_line_to(cr, x, bottom);
    }
    cairo_stroke(cr);
    setColour(cr, palette::PATTERN_CHANGE);
    for (const SyncPatternChange& change : in.timeline.syncPatterns) {
        const int32_t row = layout.rowOf(change.seconds);
        const double x = layout.xOf(row, change.seconds);
        const double y = layout.laneTop(row, *lane) + lane->height - TimelineLayout::JUMP_TICKS + 1.0;
        cairo_move_to(cr, x, y - 3.5);
        cairo_line_to(cr, x + 3.5, y);
        cairo_line_to(cr, x, y + 3.5);
        cairo_line_to(cr, x - 3.5, y);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
}

void pictures(const DrawInput& in) {
    for (std::size_t i = 0; i < in.timeline.pictures.size(); ++i) {
        const Lane* lane = in.layout.lane(LaneKind::Picture, static_cast<int32_t>(i));
        if (lane != nullptr) pictureLane(in, *lane, in.timeline.pictures[i]);
    }
}

}  // namespace draw
