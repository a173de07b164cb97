// Without the DejaVu font the pixel font is scaled instead: larger, if blocky.
#include "editor/EditorFont.h"

#include <fontconfig/fontconfig.h>
#include <imgui.h>

#include <cmath>
#include <string>

namespace {

constexpr float PIXEL_FONT_SIZE = 13.0f;

// Latin-1, and the ellipsis that a name cut in the middle shows where it was cut.
constexpr ImWchar TEXT_GLYPHS[] = {0x0020, 0x00FF, 0x2026, 0x2026, 0};
constexpr ImWchar ELLIPSIS_GLYPH[] = {0x2026, 0x2026, 0};

ImFontConfig wholePixels() {
    ImFontConfig config;
    config.OversampleH = 1;  // glyphs on whole pixels: nearest sampling shows them as made
    config.OversampleV = 1;
    config.PixelSnapH = true;
    return config;
}

// A configuration of its own, destroyed after: the library's default one would be kept
// to the exit, and the editor asks once.
std::string fontFile(const char* family) {
    std::string found;
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) return found;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    if (pattern != nullptr) {
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(config, pattern, &result);
        FcChar8* file = nullptr;
        if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            found = reinterpret_cast<const char*>(file);
        }
        if (match != nullptr) FcPatternDestroy(match);
        FcPatternDestroy(pattern);
    }
    FcConfigDestroy(config);
    return found;
}

}  // namespace

void loadEditorFont(float scale) {
    ImFontAtlas& atlas = *ImGui::GetIO().Fonts;
    const float size = std::round(PIXEL_FONT_SIZE * scale);
    const std::string file = fontFile("DejaVu Sans");
    if (scale == 1.0f) {
        atlas.AddFontDefault();
        // The pixel font has no ellipsis: DejaVu's joins it, as a "?" would read as part of a name.
        ImFontConfig merged = wholePixels();
        merged.MergeMode = true;
        if (!file.empty()) atlas.AddFontFromFileTTF(file.c_str(), size, &merged, ELLIPSIS_GLYPH);
        return;
    }
    ImFontConfig config = wholePixels();
    if (!file.empty() && atlas.AddFontFromFileTTF(file.c_str(), size, &config, TEXT_GLYPHS) != nullptr)
        return;
    ImFontConfig pixel;
    pixel.SizePixels = size;
    atlas.AddFontDefault(&pixel);
}
