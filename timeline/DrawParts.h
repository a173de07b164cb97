// The pieces of the timeline drawing and their shared helpers; each piece draws
// one kind of thing in every row. Not for use outside the drawing code.
#pragma once

#include <cairo.h>

#include <string>

#include "timeline/TimelineDraw.h"
#include "timeline/TimelinePalette.h"

struct DrawInput {
    cairo_t* cr = nullptr;
    const Timeline& timeline;
    const Waveform& wave;
    const BenchmarkReport* bench = nullptr;
    const TimelineLayout& layout;
};

namespace draw {

void header(const DrawInput& in);
void laneBackdrops(const DrawInput& in);
void grid(const DrawInput& in);
void waveform(const DrawInput& in);
void switches(const DrawInput& in);
void jumps(const DrawInput& in);
void pictures(const DrawInput& in);
void ticks(const DrawInput& in);
void benchBars(const DrawInput& in);
void labels(const DrawInput& in);
void songEnd(const DrawInput& in);

void setColour(cairo_t* cr, Rgb colour, double alpha = 1.0);
// Calls `piece(row, fromSeconds, toSeconds)` for each row the span crosses.
template <typename Piece>
void forEachRowPiece(const TimelineLayout& layout, Span span, Piece piece) {
    for (std::size_t row = 0; row < layout.rows.size(); ++row) {
        const double from = std::max(span.on, layout.rows[row].from);
        const double to = std::min(span.off, layout.rows[row].to);
        if (to > from) piece(static_cast<int32_t>(row), from, to);
    }
}
// "m:ss.s"
std::string clockText(double seconds);
void text(cairo_t* cr, double x, double baseline, const std::string& words);
// Width of `words` in the context's current font.
double advance(cairo_t* cr, const std::string& words);
void textRightAligned(cairo_t* cr, double right, double baseline, const std::string& words);
// Text in the current colour over a patch of paper, so lines under it do not cross it.
void haloText(cairo_t* cr, double x, double baseline, const std::string& words);

}  // namespace draw
