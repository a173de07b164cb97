// Everything is painted on whole pixels (one-pixel rectangles for lines), so cairo
// fills them without smoothing and the texture shows them crisply at 1:1. The
// background is opaque, so cairo's premultiplied pixels are the plain ones the GL
// expects.
#include "editor/StripPicture.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "editor/EditorColours.h"

namespace {

constexpr float LEAST_LINE_GAP = 4.0f;
constexpr float LEAST_BEAT_GAP = 6.0f;
constexpr float LEAST_STEP_GAP = 6.0f;
constexpr uint32_t BACKGROUND = editorColour::packed(18, 18, 21);
constexpr uint32_t PICTURE_ALPHA = 110;
constexpr uint32_t MARK = editorColour::packed(255, 255, 255, 200);

struct SurfaceFree {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextFree {
    void operator()(cairo_t* cairo) const { cairo_destroy(cairo); }
};

// Paints in picture pixels: x from the plot's left edge, y from the strip's top.
struct Painter {
    cairo_t* cairo = nullptr;
    StripPlot plot;
    float top = 0.0f;

    double x(double seconds) const { return std::floor(plot.xOf(seconds) - plot.left); }
    double y(float screenY) const { return screenY - top; }

    void colour(uint32_t packed) const {
        cairo_set_source_rgba(cairo, (packed & 0xff) / 255.0, ((packed >> 8) & 0xff) / 255.0,
                              ((packed >> 16) & 0xff) / 255.0, (packed >> 24) / 255.0);
    }
    void rect(double left, double upper, double right, double lower, uint32_t packed) const {
        colour(packed);
        cairo_rectangle(cairo, left, upper, std::max(1.0, right - left), lower - upper);
        cairo_fill(cairo);
    }
    bool visible(double from, double to) const { return to >= plot.view.from && from <= plot.view.to; }
    void span(const Span& span, float upper, float lower, uint32_t packed) const {
        if (visible(span.on, span.off)) rect(x(span.on), y(upper), x(span.off), y(lower), packed);
    }
    void tick(double seconds, float upper, float lower, uint32_t packed) const {
        if (visible(seconds, seconds)) rect(x(seconds), y(upper), x(seconds) + 1.0, y(lower), packed);
    }
};

// Lines at every `unit` from the grid's offset, over the rows from `upper` down.
void paintLines(const Painter& paint, double unitSeconds, double offsetSeconds, int32_t every, float upper,
                float lower, uint32_t colour) {
    const double spacing = unitSeconds * every;
    const auto first = static_cast<int64_t>(std::floor((paint.plot.view.from - offsetSeconds) / spacing));
    for (int64_t n = first; offsetSeconds + n * spacing <= paint.plot.view.to; ++n) {
        const double at = offsetSeconds + n * spacing;
        if (at >= 0.0) paint.tick(at, upper, lower, colour);
    }
}

void paintGrid(const Painter& paint, const StripRows& rows, const Tempo& tempo) {
    const double pixelsPerSecond = paint.plot.width / paint.plot.view.span();
    const double offset = tempo.offsetSeconds();
    if (tempo.stepSeconds() * pixelsPerSecond >= LEAST_STEP_GAP * rows.scale)
        paintLines(paint, tempo.stepSeconds(), offset, 1, rows.waveformTop(), rows.bottom(), editorColour::GRID_STEP);
    if (tempo.beatSeconds() * pixelsPerSecond >= LEAST_BEAT_GAP * rows.scale)
        paintLines(paint, tempo.beatSeconds(), offset, 1, rows.waveformTop(), rows.bottom(), editorColour::GRID_BEAT);
    const int32_t step = patternStep(paint.plot, tempo, LEAST_LINE_GAP * rows.scale);
    paintLines(paint, tempo.patternSeconds(), offset, step, rows.top, rows.bottom(), editorColour::GRID_PATTERN);
}

void paintWaveform(const Painter& paint, const StripRows& rows, const Waveform& wave) {
    if (wave.low.empty()) return;
    const double half = std::floor(StripRows::WAVEFORM * rows.scale / 2.0);
    const double middle = paint.y(rows.waveformTop()) + half;
    paint.colour(editorColour::waveform());
    for (int32_t c = 0; c < static_cast<int32_t>(paint.plot.width); ++c) {
        const float left = paint.plot.left + static_cast<float>(c);
        float lowest = 0.0f;
        float highest = 0.0f;
        wave.range(paint.plot.secondsAt(left), paint.plot.secondsAt(left + 1.0f), lowest, highest);
        const double upper = std::round(middle - highest * half);
        cairo_rectangle(paint.cairo, c, upper, 1.0,
                        std::max(1.0, std::round(middle - lowest * half) + 1.0 - upper));
    }
    cairo_fill(paint.cairo);
}

void paintLaneBack(const Painter& paint, float upper, float lower) {
    paint.rect(0.0, paint.y(upper), paint.plot.width, paint.y(lower), editorColour::LANE_BACK);
}

// Every event's mark in its lane: a tick the lane's height.
void paintEventMarks(const Painter& paint, const StripRows& rows, const Timeline& timeline) {
    for (std::size_t i = 0; i < timeline.events.size(); ++i) {
        const EventMark mark = eventMark(timeline, static_cast<int32_t>(i));
        if (mark.lane == StripLane::None) continue;
        const float upper = rows.rowTop(mark.lane, mark.row);
        paint.tick(timeline.events[i].seconds, upper, upper + rows.lane() - rows.gap(), MARK);
    }
}

void paintSwitches(const Painter& paint, const StripRows& rows, const Timeline& timeline) {
    for (std::size_t i = 0; i < timeline.switches.size(); ++i) {
        const float upper = rows.rowTop(StripLane::Switch, static_cast<int32_t>(i));
        const float lower = upper + rows.lane() - rows.gap();
        paintLaneBack(paint, upper, lower);
        const uint32_t colour = editorColour::switchLane(static_cast<int32_t>(i));
        for (const Span& span : timeline.switches[i].spans) paint.span(span, upper, lower, colour);
    }
}

void paintPictures(const Painter& paint, const StripRows& rows, const Timeline& timeline) {
    const uint32_t shown = (editorColour::pictureShown() & 0x00ffffffu) | (PICTURE_ALPHA << 24);
    for (std::size_t i = 0; i < timeline.pictures.size(); ++i) {
        const float upper = rows.rowTop(StripLane::Picture, static_cast<int32_t>(i));
        const float lower = upper + rows.lane() - rows.gap();
        paintLaneBack(paint, upper, lower);
        for (const Span& span : timeline.pictures[i].shown) paint.span(span, upper + rows.gap(), lower - rows.gap(), shown);
    }
}

void paintJumpsAndFindings(const Painter& paint, const StripRows& rows, const Timeline& timeline) {
    const float syncLower = rows.syncTop() + rows.lane() - rows.gap();
    paintLaneBack(paint, rows.syncTop(), syncLower);
    paintLaneBack(paint, rows.othersTop(), rows.othersTop() + rows.lane() - rows.gap());
    for (const CameraJump& jump : timeline.jumps)
        paint.tick(jump.seconds, rows.syncTop() + rows.lane() / 2.0f, syncLower, editorColour::JUMP);
    const double upper = paint.y(rows.findingsTop());
    const double lower = paint.y(rows.bottom());
    const double half = (lower - upper) / 2.0;
    for (const Finding& finding : timeline.findings) {
        if (finding.seconds < 0.0 || !paint.visible(finding.seconds, finding.seconds)) continue;
        const double x = paint.plot.xOf(finding.seconds) - paint.plot.left;
        paint.colour(editorColour::finding(finding.severity));
        cairo_move_to(paint.cairo, x - half, lower);
        cairo_line_to(paint.cairo, x + half, lower);
        cairo_line_to(paint.cairo, x, upper);
        cairo_close_path(paint.cairo);
        cairo_fill(paint.cairo);
    }
}

void upload(uint32_t texture, cairo_surface_t* surface, bool fresh) {
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, cairo_image_surface_get_stride(surface) / 4);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glBindTexture(GL_TEXTURE_2D, texture);
    if (fresh) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                     cairo_image_surface_get_data(surface));
    } else {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_BGRA, GL_UNSIGNED_BYTE,
                        cairo_image_surface_get_data(surface));
    }
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    glPopClientAttrib();
}

}  // namespace

int32_t patternStep(const StripPlot& plot, const Tempo& tempo, float leastPixels) {
    const double pixels = tempo.patternSeconds() / plot.view.span() * plot.width;
    int32_t step = 1;
    while (step * pixels < leastPixels && step < (1 << 20)) step *= 2;
    return step;
}

StripPicture::~StripPicture() {
    if (texture_ != 0) glDeleteTextures(1, &texture_);
}

uint32_t StripPicture::texture(const ShowNotes& notes, const StripPlot& plot, const StripRows& rows,
                               float pictureHeight) {
    const auto width = static_cast<int32_t>(plot.width);
    const auto height = static_cast<int32_t>(pictureHeight);
    if (width <= 0 || height <= 0) return 0;
    const bool same = texture_ != 0 && width == width_ && height == height_ && &notes == notes_ &&
                      plot.view.from == view_.from && plot.view.to == view_.to;
    if (same) return texture_;

    const std::unique_ptr<cairo_surface_t, SurfaceFree> surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    const std::unique_ptr<cairo_t, ContextFree> cairo(cairo_create(surface.get()));
    const Painter paint{cairo.get(), plot, rows.top};
    paint.rect(0.0, 0.0, width, height, BACKGROUND);
    paintGrid(paint, rows, notes.timeline.tempo);
    paintWaveform(paint, rows, notes.waveform);
    paintSwitches(paint, rows, notes.timeline);
    paintPictures(paint, rows, notes.timeline);
    paintJumpsAndFindings(paint, rows, notes.timeline);
    paintEventMarks(paint, rows, notes.timeline);
    cairo_surface_flush(surface.get());

    const bool fresh = texture_ == 0 || width != width_ || height != height_;
    if (texture_ == 0) glGenTextures(1, &texture_);
    upload(texture_, surface.get(), fresh);
    width_ = width;
    height_ = height;
    view_ = plot.view;
    notes_ = &notes;
    return texture_;
}
