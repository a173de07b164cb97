// Rows name the line and column first: that is what a finding is looked up by.
// Each row wraps, so a long message is read whole in a narrow column.
#include "editor/FindingsPanel.h"

#include <imgui.h>

#include <cmath>
#include <string>

#include "check/FindingsOutput.h"
#include "editor/EditorColours.h"
#include "editor/PanelTooltip.h"
#include "editor/ScriptPanel.h"

namespace {

std::string rowText(const Finding& finding) {
    std::string where = finding.line > 0 ? std::to_string(finding.line) : finding.file;
    if (finding.column > 0) where += ":" + std::to_string(finding.column);
    return where + " " + severityName(finding.severity) + ": " + finding.message;
}

}  // namespace

void drawFindings(const std::vector<Finding>& findings, ScriptPanel& script,
                  std::vector<EditorAction>& actions) {
    if (findings.empty()) {
        ImGui::TextDisabled("no findings");
        return;
    }
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& finding = findings[i];
        ImGui::PushID(static_cast<int>(i));
        const bool focused = script.focusLine() == finding.line && finding.line > 0;
        ImGui::PushStyleColor(ImGuiCol_Text, ImGui::ColorConvertU32ToFloat4(
                                                 focused ? editorColour::FOCUS_LINE : editorColour::finding(finding.severity)));
        // Wrapped to the panel's width: a finding is read whole, never cut off.
        ImGui::PushTextWrapPos(0.0f);
        ImGui::TextUnformatted(rowText(finding).c_str());
        ImGui::PopTextWrapPos();
        const bool clicked = ImGui::IsItemClicked(ImGuiMouseButton_Left);
        ImGui::PopStyleColor();
        if (ImGui::IsItemHovered())
            tooltipWithin(findingPlace(finding) + ": " + severityName(finding.severity) + ": " + finding.message);
        if (clicked) {
            script.showFinding(finding);
            if (finding.seconds >= 0.0)
                actions.push_back({EditorActionKind::Seek, std::round(finding.seconds * 1000.0)});
        }
        ImGui::PopID();
    }
}
