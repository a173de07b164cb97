// Below and right of the pointer where it fits, else above it; always inside the window.
#include "editor/PanelTooltip.h"

#include <imgui.h>

#include <algorithm>

void tooltipWithin(const std::string& text) {
    const ImVec2 origin = ImGui::GetWindowPos();
    const ImVec2 size = ImGui::GetWindowSize();
    const ImGuiStyle& style = ImGui::GetStyle();
    const float wrap = std::max(1.0f, size.x - 2.0f * style.WindowPadding.x);
    const ImVec2 textSize = ImGui::CalcTextSize(text.c_str(), nullptr, false, wrap);
    const ImVec2 box{textSize.x + 2.0f * style.WindowPadding.x, textSize.y + 2.0f * style.WindowPadding.y};
    const ImVec2 mouse = ImGui::GetIO().MousePos;
    const float gap = ImGui::GetFontSize();
    float x = std::min(mouse.x + gap, origin.x + size.x - box.x);
    float y = mouse.y + gap;
    if (y + box.y > origin.y + size.y) y = mouse.y - gap / 2.0f - box.y;
    x = std::max(x, origin.x);
    y = std::max(y, origin.y);
    ImGui::SetNextWindowPos({x, y});
    ImGui::BeginTooltip();
    ImGui::PushTextWrapPos(ImGui::GetCursorPosX() + wrap);
    ImGui::TextUnformatted(text.c_str());
    ImGui::PopTextWrapPos();
    ImGui::EndTooltip();
}
