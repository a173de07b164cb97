// What lies under the marks: the title and legend, lane stripes and names, the
// pattern and beat grid with pattern numbers, and the song's end across a row.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "timeline/DrawParts.h"
#include "timeline/TimelineFonts.h"

namespace draw {
namespace {

constexpr double MIN_BEAT_PIXELS = 4.0;     // closer beat lines would grey the lanes out
constexpr double MIN_NUMBER_PIXELS = 26.0;  // room for a pattern number

std::string summary(const Timeline& timeline) {
    const Tempo& tempo = timeline.tempo;
    char text[256];
    std::snprintf(
        text, sizeof text,
        "  %d bpm, %d steps a pattern, %d a beat  \xc2\xb7  %zu events  \xc2\xb7  %zu camera jumps at 60 fps",
        tempo.bpm, tempo.patternLength, tempo.patternSpeed, timeline.events.size(), timeline.jumps.size());
    const std::string song = timeline.songSeconds >= 0.0
                                 ? timeline.songFile + "  " + clockText(timeline.songSeconds)
                                 : timeline.songFile + " (not readable)";
    std::string line = song + "  \xc2\xb7" + text;
    if (!timeline.findings.empty())
        line += "  \xc2\xb7  " + std::to_string(timeline.findings.size()) + " check findings";
    return line;
}

double legendSwatch(cairo_t* cr, double x, Rgb colour, const std::string& name) {
    setColour(cr, colour);
    cairo_rectangle(cr, x, 31.0, 14.0, 9.0);
    cairo_fill(cr);
    setColour(cr, palette::SOFT_INK);
    text(cr, x + 18.0, 40.0, name);
    return x + 28.0 + advance(cr, name);
}

void legend(cairo_t* cr) {
    fonts::use(cr, fonts::LABEL_SIZE);
    double x = 16.0;
    x = legendSwatch(cr, x, palette::pictureShown(), "picture shown");
    x = legendSwatch(cr, x, palette::pictureFade(), "fade");
    x = legendSwatch(cr, x, palette::pictureMode(1), "zoom");
    x = legendSwatch(cr, x, palette::pictureMode(2), "flicker");
    x = legendSwatch(cr, x, palette::pictureMode(3), "pieces");
    setColour(cr, palette::SOFT_INK);
    const std::string marks = "\xe2\x96\xb2 next piece   \xe2\x96\xbc previous piece   | camera jump";
    text(cr, x, 40.0, marks);
    x += 20.0 + advance(cr, marks);
    x = legendSwatch(cr, x, palette::PATTERN_CHANGE, "sync pattern");
    legendSwatch(cr, x, palette::SONG_END, "song end");
}

bool isStriped(const Lane& lane) {
    return (lane.kind == LaneKind::Switch || lane.kind == LaneKind::Picture) && lane.index % 2 == 1;
}

// Switch lanes carry their colour in a swatch: light colours make poor text.
void laneName(cairo_t* cr, const TimelineLayout& layout, int32_t row, const Lane& lane) {
    const double top = layout.laneTop(row, lane);
    const double baseline = lane.height > 16.0 ? top + 11.0 : top + lane.height / 2.0 + 3.5;
    double right = layout.plotLeft - 6.0;
    if (lane.kind == LaneKind::Switch) {
        setColour(cr, palette::switchColour(lane.index));
        cairo_rectangle(cr, right - 8.0, baseline - 7.5, 8.0, 8.0);
        cairo_fill(cr);
        right -= 12.0;
    }
    setColour(cr, lane.kind == LaneKind::Switch ? palette::INK : palette::SOFT_INK);
    std::string name = lane.label;
    if (lane.kind == LaneKind::Ruler) name = clockText(layout.rows[static_cast<std::size_t>(row)].from);
    textRightAligned(cr, right, baseline, name);
}

void verticalLine(cairo_t* cr, double x, double top, double bottom) {
    cairo_move_to(cr, std::round(x) + 0.5, top);
    cairo_line_to(cr, std::round(x) + 0.5, bottom);
}

void patternNumbers(const DrawInput& in, int32_t row, double top, int64_t first, int64_t last,
                    int64_t every) {
    const TimelineLayout& layout = in.layout;
    const double pattern = in.timeline.tempo.patternSeconds();
    setColour(in.cr, palette::SOFT_INK);
    for (int64_t p = std::max<int64_t>(first, 0); p <= last; ++p) {
        if (p % every != 0) continue;
        const double x =
            layout.xOf(row, in.timeline.tempo.offsetSeconds() + static_cast<double>(p) * pattern);
        if (x + 2.0 < layout.plotRight) text(in.cr, x + 2.0, top + 11.0, std::to_string(p));
    }
}

// Lines at `start` + k * `step`, the song's lead-in before pattern 0 included.
void gridLines(cairo_t* cr, const TimelineLayout& layout, int32_t row, double start, double step, double top,
               double bottom) {
    const LayoutRow& r = layout.rows[static_cast<std::size_t>(row)];
    for (double k = std::ceil((r.from - start) / step - 1e-9); start + k * step <= r.to + 1e-9; k += 1.0)
        verticalLine(cr, layout.xOf(row, start + k * step), top, bottom);
    cairo_stroke(cr);
}

}  // namespace

void header(const DrawInput& in) {
    cairo_t* cr = in.cr;
    fonts::use(cr, fonts::TITLE_SIZE, true);
    setColour(cr, palette::INK);
    text(cr, 16.0, 19.0, "flashstep timeline");
    const double after = 16.0 + advance(cr, "flashstep timeline");
    fonts::use(cr, fonts::LABEL_SIZE + 1.0);
    setColour(cr, palette::SOFT_INK);
    text(cr, after + 12.0, 19.0, summary(in.timeline));
    legend(cr);
}

void laneBackdrops(const DrawInput& in) {
    const TimelineLayout& layout = in.layout;
    fonts::use(in.cr, fonts::LABEL_SIZE);
    for (std::size_t row = 0; row < layout.rows.size(); ++row) {
        for (const Lane& lane : layout.lanes) {
            const double top = layout.laneTop(static_cast<int32_t>(row), lane);
            if (isStriped(lane)) {
                setColour(in.cr, palette::LANE_STRIPE);
                cairo_rectangle(in.cr, layout.plotLeft, top, layout.plotRight - layout.plotLeft, lane.height);
                cairo_fill(in.cr);
            }
            laneName(in.cr, layout, static_cast<int32_t>(row), lane);
        }
    }
}

void grid(const DrawInput& in) {
    const TimelineLayout& layout = in.layout;
    const Tempo& tempo = in.timeline.tempo;
    const double beat = tempo.beatSeconds();
    const double pattern = tempo.patternSeconds();
    const double start = tempo.offsetSeconds();
    const double patternPixels = pattern * layout.pixelsPerSecond;
    int64_t every = 1;
    while (every * patternPixels < MIN_NUMBER_PIXELS) every *= 2;
    cairo_set_line_width(in.cr, 1.0);
    fonts::use(in.cr, fonts::LABEL_SIZE - 1.0);
    for (std::size_t i = 0; i < layout.rows.size(); ++i) {
        const auto row = static_cast<int32_t>(i);
        const double top = layout.rows[i].top;
        const double bottom = top + layout.lanesHeight;
        if (beat * layout.pixelsPerSecond >= MIN_BEAT_PIXELS) {
            setColour(in.cr, palette::BEAT_LINE);
            gridLines(in.cr, layout, row, start, beat, top + 12.0, bottom);
        }
        setColour(in.cr, palette::PATTERN_LINE);
        gridLines(in.cr, layout, row, start, pattern, top, bottom);
        patternNumbers(in, row, top,
                       static_cast<int64_t>(std::ceil((layout.rows[i].from - start) / pattern - 1e-9)),
                       static_cast<int64_t>(std::floor((layout.rows[i].to - start) / pattern + 1e-9)), every);
    }
}

void songEnd(const DrawInput& in) {
    const double end = in.timeline.songSeconds;
    if (end < 0.0) return;
    const TimelineLayout& layout = in.layout;
    const int32_t row = layout.rowOf(end);
    const double x = layout.xOf(row, end);
    const double top = layout.rows[static_cast<std::size_t>(row)].top;
    cairo_t* cr = in.cr;
    setColour(cr, palette::SONG_END);
    cairo_set_line_width(cr, 1.5);
    const double dashes[] = {4.0, 3.0};
    cairo_set_dash(cr, dashes, 2, 0.0);
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x, top + layout.lanesHeight);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0.0);
    fonts::use(cr, fonts::LABEL_SIZE, true);
    const std::string label = "song end " + clockText(end);
    haloText(cr, x - 3.0 - advance(cr, label), top + 11.0, label);
}

}  // namespace draw
