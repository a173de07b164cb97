// Cairo's own text calls with DejaVu Sans (fonts-dejavu-core): enough for labels,
// and the same glyph outlines in PNG, SVG and PDF.
#include "timeline/TimelineFonts.h"

#include <fontconfig/fontconfig.h>

namespace fonts {

void use(cairo_t* cr, double size, bool bold) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
}

TextMeasure::TextMeasure()
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1)), context_(cairo_create(surface_)) {}

TextMeasure::~TextMeasure() {
    cairo_destroy(context_);
    cairo_surface_destroy(surface_);
}

double TextMeasure::width(const std::string& text, double size, bool bold) const {
    use(context_, size, bold);
    cairo_text_extents_t extents{};
    cairo_text_extents(context_, text.c_str(), &extents);
    return extents.x_advance;
}

void releaseCaches() {
    cairo_debug_reset_static_data();
    FcFini();
}

}  // namespace fonts
