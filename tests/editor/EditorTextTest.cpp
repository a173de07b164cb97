// The editor's texts as drawn: its fonts have every letter the editor writes itself
// (a name cut short in the middle shows an ellipsis there, not the font's "?" for a
// missing glyph), and the strip's picture lanes stay told apart when short of room.
#include <gtest/gtest.h>
#include <imgui.h>

#include <string>

#include "editor/EditorFont.h"
#include "editor/TimelineStrip.h"

namespace {

// A Dear ImGui context with the editor's font at `scale`, in a frame, for as long as it lives.
class FontFrame {
public:
    explicit FontFrame(float scale) : context_(ImGui::CreateContext()) {
        ImGui::SetCurrentContext(context_);
        loadEditorFont(scale);
        ImGuiIO& io = ImGui::GetIO();
        io.IniFilename = nullptr;  // a test writes no files
        io.DisplaySize = ImVec2(640.0f, 480.0f);
        unsigned char* pixels = nullptr;
        int width = 0;
        int height = 0;
        io.Fonts->GetTexDataAsAlpha8(&pixels, &width, &height);
        ImGui::NewFrame();
    }
    ~FontFrame() {
        ImGui::EndFrame();
        ImGui::DestroyContext(context_);
    }
    FontFrame(const FontFrame&) = delete;
    FontFrame& operator=(const FontFrame&) = delete;

private:
    ImGuiContext* context_;
};

TEST(EditorText, AtEveryScaleTheFontHasLatin1AndTheEllipsisOfACutName) {
    for (const float scale : {1.0f, 1.5f, 2.0f}) {
        SCOPED_TRACE(scale);
        const FontFrame frame(scale);
        const ImFontAtlas& atlas = *ImGui::GetIO().Fonts;
        ASSERT_EQ(atlas.Fonts.Size, 1) << "one font: the pixel font merges what it lacks";
        const ImFont& font = *atlas.Fonts[0];
        EXPECT_NE(font.FindGlyphNoFallback(0x2026), nullptr) << "the ellipsis of a cut name";
        EXPECT_NE(font.FindGlyphNoFallback(0x00E4), nullptr) << "a Latin-1 letter of a comment";
    }
}

TEST(EditorText, PictureLanesShortOfRoomKeepWhatTellsThemApart) {
    const FontFrame frame(1.0f);
    PictureLane one;
    one.picture = 8;
    one.file = "data/tekstit1.jpg";
    PictureLane two = one;
    two.picture = 9;
    two.file = "data/tekstit2.jpg";
    EXPECT_EQ(fittedPictureName(one, 1000.0f), "8 tekstit1.jpg") << "whole where it fits";
    const float room = ImGui::CalcTextSize("8 tekstit1").x;
    EXPECT_EQ(fittedPictureName(one, room), "8 tekstit1");
    EXPECT_EQ(fittedPictureName(two, room), "9 tekstit2");
    PictureLane longer = one;
    longer.file = "art/a-very-long-name-of-words.png";
    const std::string cut = fittedPictureName(longer, room);
    EXPECT_LE(ImGui::CalcTextSize(cut.c_str()).x, room) << cut;
    EXPECT_NE(cut.find("\xE2\x80\xA6"), std::string::npos) << cut;
}

}  // namespace
