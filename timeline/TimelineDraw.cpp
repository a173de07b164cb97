// The drawing order: paper and lanes first, grid under the marks, then the
// song's waveform, the spans, jumps and pictures, the ticks, and the labels last
// so that nothing covers their text.
#include "timeline/TimelineDraw.h"

#include <cmath>
#include <cstdio>

#include "timeline/DrawParts.h"
#include "timeline/TimelineFonts.h"

namespace draw {

void setColour(cairo_t* cr, Rgb colour, double alpha) {
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

std::string clockText(double seconds) {
    // Rounded to tenths first, so that 59.96 s reads 1:00.0 and not 0:60.0.
    const long tenths = std::lround(std::max(0.0, seconds) * 10.0);
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld.%ld", tenths / 600, tenths % 600 / 10, tenths % 10);
    return text;
}

void text(cairo_t* cr, double x, double baseline, const std::string& words) {
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, words.c_str());
}

double advance(cairo_t* cr, const std::string& words) {
    cairo_text_extents_t extents{};
    cairo_text_extents(cr, words.c_str(), &extents);
    return extents.x_advance;
}

void textRightAligned(cairo_t* cr, double right, double baseline, const std::string& words) {
    text(cr, right - advance(cr, words), baseline, words);
}

void haloText(cairo_t* cr, double x, double baseline, const std::string& words) {
    cairo_pattern_t* ink = cairo_pattern_reference(cairo_get_source(cr));
    setColour(cr, palette::BACKGROUND, 0.88);
    cairo_rectangle(cr, x - 1.0, baseline - 9.0, advance(cr, words) + 2.0, 11.5);
    cairo_fill(cr);
    cairo_set_source(cr, ink);
    cairo_pattern_destroy(ink);
    text(cr, x, baseline, words);
}

}  // namespace draw

void drawTimeline(cairo_t* cr, const Timeline& timeline, const Waveform& wave, const BenchmarkReport* bench,
                  const TimelineLayout& layout) {
    const DrawInput in{cr, timeline, wave, bench, layout};
    cairo_save(cr);
    draw::setColour(cr, palette::BACKGROUND);
    cairo_paint(cr);
    draw::header(in);
    draw::laneBackdrops(in);
    draw::grid(in);
    draw::waveform(in);
    draw::switches(in);
    draw::jumps(in);
    draw::pictures(in);
    draw::ticks(in);
    draw::benchBars(in);
    draw::songEnd(in);
    draw::labels(in);
    cairo_restore(cr);
}
