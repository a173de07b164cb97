// Without the DejaVu font the pixel font is scaled instead: larger, if blocky.
#include "editor/EditorFont.h"

#include <fontconfig/fontconfig.h>
#include <imgui.h>

#include <cmath>
#include <string>

namespace {

constexpr float PIXEL_FONT_SIZE = 13.0f;

std::string fontFile(const char* family) {
    std::string found;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    if (pattern == nullptr) return found;
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcChar8* file = nullptr;
    if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        found = reinterpret_cast<const char*>(file);
    }
    if (match != nullptr) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return found;
}

}  // namespace

void loadEditorFont(float scale) {
    ImFontAtlas& atlas = *ImGui::GetIO().Fonts;
    const float size = std::round(PIXEL_FONT_SIZE * scale);
    if (scale == 1.0f) {
        atlas.AddFontDefault();
        return;
    }
    ImFontConfig config;
    config.OversampleH = 1;  // glyphs on whole pixels: nearest sampling shows them as made
    config.OversampleV = 1;
    config.PixelSnapH = true;
    const std::string file = fontFile("DejaVu Sans");
    if (!file.empty() && atlas.AddFontFromFileTTF(file.c_str(), size, &config) != nullptr) return;
    ImFontConfig pixel;
    pixel.SizePixels = size;
    atlas.AddFontDefault(&pixel);
}
