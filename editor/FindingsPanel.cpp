// Rows name the line and column first: that is what a finding is looked up by.
#include "editor/FindingsPanel.h"

#include <imgui.h>

#include <cmath>
#include <string>

#include "check/FindingsOutput.h"
#include "editor/EditorColours.h"
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
        ImGui::PushStyleColor(ImGuiCol_Text,
                              ImGui::ColorConvertU32ToFloat4(editorColour::finding(finding.severity)));
        const bool clicked = ImGui::Selectable(rowText(finding).c_str(),
                                               script.focusLine() == finding.line && finding.line > 0);
        ImGui::PopStyleColor();
        if (ImGui::IsItemHovered())
            ImGui::SetTooltip("%s: %s: %s", findingPlace(finding).c_str(), severityName(finding.severity),
                              finding.message.c_str());
        if (clicked) {
            script.showFinding(finding);
            if (finding.seconds >= 0.0)
                actions.push_back({EditorActionKind::Seek, std::round(finding.seconds * 1000.0)});
        }
        ImGui::PopID();
    }
}
