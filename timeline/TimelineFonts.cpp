// Cairo's own text calls with DejaVu Sans (fonts-dejavu-core): enough for labels,
// and the same glyph outlines in PNG, SVG and PDF.
#include "timeline/TimelineFonts.h"

#include <memory>

namespace {

struct ContextFree {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

// A 1 x 1 surface whose context only measures.
cairo_t* measuringContext() {
    static const std::unique_ptr<cairo_t, ContextFree> context = [] {
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
        cairo_t* cr = cairo_create(surface);
        cairo_surface_destroy(surface);  // the context holds its own reference
        return std::unique_ptr<cairo_t, ContextFree>(cr);
    }();
    return context.get();
}

}  // namespace

namespace fonts {

void use(cairo_t* cr, double size, bool bold) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
}

double textWidth(const std::string& text, double size, bool bold) {
    cairo_t* cr = measuringContext();
    use(cr, size, bold);
    cairo_text_extents_t extents{};
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

}  // namespace fonts
