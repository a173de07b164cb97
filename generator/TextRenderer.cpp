// FreeType faces are opened once per file and kept; glyphs are rendered 8-bit
// anti-aliased and copied into the target at whole-pixel pen positions.
#include "generator/TextRenderer.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

void TextBox::include(const TextBox& other) {
    if (other.empty()) return;
    if (empty()) {
        *this = other;
        return;
    }
    left = std::min(left, other.left);
    top = std::min(top, other.top);
    right = std::max(right, other.right);
    bottom = std::max(bottom, other.bottom);
}

TextRenderer::TextRenderer() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
}

TextRenderer::~TextRenderer() {
    for (auto& entry : faces_) FT_Done_Face(entry.second);
    if (library_ != nullptr) FT_Done_FreeType(library_);
}

FT_Face TextRenderer::face(const std::string& fontFile, int pixelSize) {
    if (library_ == nullptr) return nullptr;
    auto found = faces_.find(fontFile);
    if (found == faces_.end()) {
        FT_Face opened = nullptr;
        if (FT_New_Face(library_, fontFile.c_str(), 0, &opened) != 0) return nullptr;
        found = faces_.emplace(fontFile, opened).first;
    }
    if (FT_Set_Pixel_Sizes(found->second, 0, static_cast<FT_UInt>(pixelSize)) != 0) return nullptr;
    return found->second;
}

bool TextRenderer::canUse(const std::string& fontFile) {
    return face(fontFile, 16) != nullptr;
}

namespace {

// Kerning between two glyphs in pixels (0 when the face has none).
float kerning(FT_Face face, FT_UInt previous, FT_UInt glyph) {
    if (previous == 0 || !FT_HAS_KERNING(face)) return 0.0f;
    FT_Vector delta{};
    FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &delta);
    return static_cast<float>(delta.x) / 64.0f;
}

TextBox blit(Mask& target, const FT_GlyphSlot slot, int originX, int baseline) {
    const FT_Bitmap& bitmap = slot->bitmap;
    const int left = originX + slot->bitmap_left, top = baseline - slot->bitmap_top;
    TextBox box{left, top, left + static_cast<int>(bitmap.width), top + static_cast<int>(bitmap.rows)};
    TextBox ink{};
    for (int row = 0; row < static_cast<int>(bitmap.rows); ++row) {
        for (int col = 0; col < static_cast<int>(bitmap.width); ++col) {
            const float v = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
            const int x = box.left + col, y = box.top + row;
            if (v <= 0.0f || !target.contains(x, y)) continue;
            target.at(x, y) = std::max(target.at(x, y), v);
            ink.include({x, y, x + 1, y + 1});
        }
    }
    return ink;
}

}  // namespace

float TextRenderer::advanceWidth(const std::string& text, const TextStyle& style) {
    FT_Face f = face(style.fontFile, style.pixelSize);
    if (f == nullptr) return 0.0f;
    float pen = 0.0f;
    FT_UInt previous = 0;
    for (unsigned char c : text) {
        const FT_UInt glyph = FT_Get_Char_Index(f, c);
        if (FT_Load_Glyph(f, glyph, FT_LOAD_DEFAULT) != 0) continue;
        pen += kerning(f, previous, glyph) + static_cast<float>(f->glyph->advance.x) / 64.0f + style.tracking;
        previous = glyph;
    }
    return text.empty() ? 0.0f : pen - style.tracking;
}

TextBox TextRenderer::draw(Mask& target, const std::string& text, const TextStyle& style, float x,
                           int baseline) {
    FT_Face f = face(style.fontFile, style.pixelSize);
    TextBox ink{};
    if (f == nullptr) return ink;
    float pen = x;
    FT_UInt previous = 0;
    for (unsigned char c : text) {
        const FT_UInt glyph = FT_Get_Char_Index(f, c);
        pen += kerning(f, previous, glyph);
        if (FT_Load_Glyph(f, glyph, FT_LOAD_RENDER) != 0) continue;
        ink.include(blit(target, f->glyph, static_cast<int>(std::lround(pen)), baseline));
        pen += static_cast<float>(f->glyph->advance.x) / 64.0f + style.tracking;
        previous = glyph;
    }
    return ink;
}

TextBox TextRenderer::drawCentred(Mask& target, const std::string& text, const TextStyle& style,
                                  float centreX, int baseline) {
    return draw(target, text, style, centreX - advanceWidth(text, style) / 2.0f, baseline);
}
