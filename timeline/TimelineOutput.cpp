// One drawing, several cairo surfaces: an image surface saved as PNG, the SVG and
// PDF surfaces writing their files, and an SVG surface writing into a string.
#include "timeline/TimelineOutput.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>

#include "timeline/FileBeside.h"
#include "timeline/TimelineDraw.h"
#include "timeline/TimelineJson.h"
#include "timeline/TimelinePage.h"

namespace {

struct SurfaceFree {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceFree>;

bool endsWith(const std::string& file, const std::string& ending) {
    if (file.size() < ending.size()) return false;
    return std::equal(ending.rbegin(), ending.rend(), file.rbegin(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

int pixels(double size) {
    return static_cast<int>(std::ceil(size));
}

// Draws on the surface and finishes it, so that vector surfaces write everything out.
cairo_status_t drawOn(cairo_surface_t* surface, const TimelineDrawing& drawing) {
    cairo_t* cr = cairo_create(surface);
    drawTimeline(cr, drawing.timeline, drawing.wave, drawing.bench, drawing.layout);
    cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
    cairo_surface_finish(surface);
    if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
    return status;
}

cairo_status_t writePng(const std::string& file, const TimelineDrawing& drawing) {
    const Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, pixels(drawing.layout.width),
                                                     pixels(drawing.layout.height)));
    cairo_t* cr = cairo_create(surface.get());
    drawTimeline(cr, drawing.timeline, drawing.wave, drawing.bench, drawing.layout);
    const cairo_status_t drawn = cairo_status(cr);
    cairo_destroy(cr);
    if (drawn != CAIRO_STATUS_SUCCESS) return drawn;
    return cairo_surface_write_to_png(surface.get(), file.c_str());
}

cairo_status_t writeVector(TimelineFormat format, const std::string& file, const TimelineDrawing& drawing) {
    const double w = pixels(drawing.layout.width);
    const double h = pixels(drawing.layout.height);
    const Surface surface(format == TimelineFormat::Svg ? cairo_svg_surface_create(file.c_str(), w, h)
                                                        : cairo_pdf_surface_create(file.c_str(), w, h));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return cairo_surface_status(surface.get());
    if (format == TimelineFormat::Svg) cairo_svg_surface_set_document_unit(surface.get(), CAIRO_SVG_UNIT_PX);
    return drawOn(surface.get(), drawing);
}

bool writeText(const std::string& file, const std::string& text, std::string& error) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (out) return true;
    error = "the write failed";
    return false;
}

cairo_status_t appendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// One form written to `path`; false with the cause in `error`.
bool writeForm(TimelineFormat format, const std::string& path, const TimelineDrawing& drawing,
               std::string& error) {
    // Bytes that are no UTF-8 are replaced, as the check's JSON does: text from the
    // script is made valid before, and this is the last guard.
    constexpr auto REPLACE = nlohmann::ordered_json::error_handler_t::replace;
    if (format == TimelineFormat::Json)
        return writeText(path, timelineJson(drawing.timeline).dump(1, ' ', false, REPLACE) + "\n", error);
    if (format == TimelineFormat::Html) return writeText(path, timelinePage(drawing), error);
    const cairo_status_t status =
        format == TimelineFormat::Png ? writePng(path, drawing) : writeVector(format, path, drawing);
    if (status == CAIRO_STATUS_SUCCESS) return true;
    error = cairo_status_to_string(status);
    return false;
}

}  // namespace

TimelineFormat timelineFormatOf(const std::string& file) {
    if (endsWith(file, ".png")) return TimelineFormat::Png;
    if (endsWith(file, ".svg")) return TimelineFormat::Svg;
    if (endsWith(file, ".pdf")) return TimelineFormat::Pdf;
    if (endsWith(file, ".html") || endsWith(file, ".htm")) return TimelineFormat::Html;
    if (endsWith(file, ".json")) return TimelineFormat::Json;
    return TimelineFormat::Unknown;
}

TimelineDrawing timelineDrawing(const Timeline& timeline, const Waveform& wave,
                                const BenchmarkReport* bench) {
    return {timeline, wave, bench, layoutTimeline(timeline, bench)};
}

std::string timelineSvg(const TimelineDrawing& drawing) {
    std::string svg;
    const Surface surface(cairo_svg_surface_create_for_stream(
        appendToString, &svg, pixels(drawing.layout.width), pixels(drawing.layout.height)));
    cairo_svg_surface_set_document_unit(surface.get(), CAIRO_SVG_UNIT_PX);
    drawOn(surface.get(), drawing);
    return svg;
}

bool writeTimeline(TimelineFormat format, const std::string& file, const TimelineDrawing& drawing,
                   std::string& error) {
    if (format == TimelineFormat::Unknown) {
        error =
            "cannot tell the form of \"" + file + "\" from its ending (use .png, .svg, .pdf, .html or .json)";
        return false;
    }
    FileBeside beside(file);
    std::string cause;
    if (!beside.create(cause) || !writeForm(format, beside.path(), drawing, cause) ||
        !beside.putInPlace(cause)) {
        error = "cannot write the timeline \"" + file + "\": " + cause;
        return false;
    }
    return true;
}
