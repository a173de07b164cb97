// Buttons keep one width whatever they say, so the text after them stays put.
#include "editor/TransportBar.h"

#include <imgui.h>

#include <array>
#include <cmath>
#include <cstdio>

#include "editor/EditorSettings.h"

namespace {

constexpr float BUTTON_WIDTH = 64.0f;
constexpr std::array<GridUnit, 5> UNITS = {GridUnit::Pattern, GridUnit::Beat, GridUnit::HalfBeat,
                                           GridUnit::QuarterBeat, GridUnit::Step};

// Puts the next item on this line when `width` still fits, else on the next.
void keepOnLine(float width) {
    ImGui::SameLine();
    if (ImGui::GetContentRegionAvail().x < width) ImGui::NewLine();
}

bool button(const char* label) {
    const float width = std::round(BUTTON_WIDTH * ImGui::GetFontSize() / 13.0f);
    keepOnLine(width);
    return ImGui::Button(label, {width, 0.0f});
}

void text(const std::string& words, bool disabled = false) {
    keepOnLine(ImGui::CalcTextSize(words.c_str()).x);
    if (disabled) {
        ImGui::TextDisabled("%s", words.c_str());
    } else {
        ImGui::TextUnformatted(words.c_str());
    }
}

void unitChoice(GridUnit current, std::vector<EditorAction>& actions) {
    text("snap");
    const float width = ImGui::CalcTextSize("quarter").x + ImGui::GetFrameHeight() * 1.5f;
    keepOnLine(width);
    ImGui::SetNextItemWidth(width);
    if (!ImGui::BeginCombo("##snap", gridUnitName(current))) return;
    for (const GridUnit unit : UNITS) {
        if (ImGui::Selectable(gridUnitName(unit), unit == current)) {
            EditorAction choose{EditorActionKind::SetGridUnit};
            choose.unit = unit;
            actions.push_back(choose);
        }
    }
    ImGui::EndCombo();
}

}  // namespace

int drawTransportBar(const EditorFeed& feed, const BeatGrid& grid, double playSeconds,
                     std::vector<EditorAction>& actions) {
    const float top = ImGui::GetCursorPosY();
    ImGui::Dummy({0.0f, 0.0f});
    if (button(feed.paused ? "Play" : "Pause")) actions.push_back({EditorActionKind::TogglePause});
    if (button("|<")) actions.push_back({EditorActionKind::Seek, 0.0});
    const bool loopSet = feed.loopStartMs >= 0.0 && feed.loopEndMs >= 0.0;
    if (!loopSet) ImGui::BeginDisabled();
    if (button(feed.looping ? "Loop on" : "Loop off")) actions.push_back({EditorActionKind::ToggleLoop});
    if (!loopSet) ImGui::EndDisabled();

    text(grid.label(playSeconds * 1000.0));
    char tempo[64];
    std::snprintf(tempo, sizeof tempo, "%d bpm", grid.tempo.bpm);
    text(tempo, true);
    unitChoice(feed.gridUnit, actions);
    char fps[32];
    std::snprintf(fps, sizeof fps, "%.0f fps", feed.fps);
    text(fps, true);
    if (loopSet) text("loop " + grid.patternBeat(feed.loopStartMs) + ".." + grid.patternBeat(feed.loopEndMs), true);
    const float lines = (ImGui::GetCursorPosY() - top) / ImGui::GetFrameHeightWithSpacing();
    return std::max(1, static_cast<int>(std::lround(lines)));
}
