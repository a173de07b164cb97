// A line may hold several events; it is as lit as the latest of them. Every line
// is there to scroll to, as written; the panel scrolls both ways, so none is cut.
#include "editor/ScriptPanel.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "editor/EditorColours.h"

namespace {

constexpr double FADE_BEATS = 4.0;
constexpr float LATEST_LIT = 0.6f;          // the lines that applied last stay this lit until others apply
constexpr double FOCUS_KEPT_SECONDS = 0.5;  // the play head this far from a finding's time lets it go

// The latest time an event of `line` applied at or before `seconds`; negative when none has.
double latestApplied(const ShowNotes& notes, int32_t line, int32_t latestEvent) {
    for (int32_t i = latestEvent; i >= 0; --i) {
        const TimelineEvent& event = notes.timeline.events[static_cast<std::size_t>(i)];
        if (event.line == line) return event.seconds;
    }
    return -1.0;
}

// True when `line` holds an event of the latest group applied (those at the latest time).
bool appliedLast(const ShowNotes& notes, int32_t line, int32_t latestEvent) {
    if (latestEvent < 0) return false;
    const double latest = notes.timeline.events[static_cast<std::size_t>(latestEvent)].seconds;
    for (int32_t i = latestEvent; i >= 0; --i) {
        const TimelineEvent& event = notes.timeline.events[static_cast<std::size_t>(i)];
        if (event.seconds < latest) break;
        if (event.line == line) return true;
    }
    return false;
}

ImVec4 mixed(const ImVec4& from, const ImVec4& to, float amount) {
    return {from.x + (to.x - from.x) * amount, from.y + (to.y - from.y) * amount,
            from.z + (to.z - from.z) * amount, from.w + (to.w - from.w) * amount};
}

}  // namespace

float litLevel(double age, double fadeSeconds) {
    if (age < 0.0 || fadeSeconds <= 0.0) return 0.0f;
    return static_cast<float>(std::max(0.0, 1.0 - age / fadeSeconds));
}

void ScriptPanel::showFinding(const Finding& finding) {
    const bool inScript = finding.file.find("script") != std::string::npos && finding.line > 0;
    focusLine_ = inScript ? finding.line : 0;
    focusSeconds_ = finding.seconds;
    focusReached_ = false;
}

int32_t ScriptPanel::centreLine(const ShowNotes& notes, double playSeconds) {
    if (focusLine_ > 0 && focusSeconds_ >= 0.0) {
        const bool there = std::abs(playSeconds - focusSeconds_) <= FOCUS_KEPT_SECONDS;
        if (focusReached_ && !there) focusLine_ = 0;
        focusReached_ = focusReached_ || there;
    }
    if (focusLine_ > 0) return focusLine_;
    const int32_t latest = notes.latestEventAt(playSeconds);
    if (latest >= 0) return notes.timeline.events[static_cast<std::size_t>(latest)].line;
    return notes.timeline.events.empty() ? 1 : notes.timeline.events.front().line;
}

void ScriptPanel::draw(const ShowNotes& notes, double playSeconds, std::vector<EditorAction>& actions) {
    const auto lineCount = static_cast<int32_t>(notes.scriptLines.size());
    if (lineCount == 0) {
        ImGui::TextDisabled("the script cannot be read");
        return;
    }
    ImGui::BeginChild("##lines", {0.0f, 0.0f}, false, ImGuiWindowFlags_HorizontalScrollbar);
    const int32_t centre = std::clamp(centreLine(notes, playSeconds), 1, lineCount);
    const float rowHeight = ImGui::GetTextLineHeightWithSpacing();
    if (centre != shownCentre_ && !ImGui::IsMouseDragging(ImGuiMouseButton_Left)) {
        // The line that applied last is kept in the middle of the panel.
        ImGui::SetScrollY(std::max(0.0f, (centre - 0.5f) * rowHeight - ImGui::GetWindowHeight() / 2.0f));
        shownCentre_ = centre;
    }
    const int32_t latestEvent = notes.latestEventAt(playSeconds);
    const double fadeSeconds = FADE_BEATS * notes.timeline.tempo.beatSeconds();
    const ImVec4 plain = ImGui::GetStyleColorVec4(ImGuiCol_Text);
    const ImVec4 comment = ImGui::GetStyleColorVec4(ImGuiCol_TextDisabled);
    const ImVec4 bright = ImGui::ColorConvertU32ToFloat4(editorColour::PLAY_HEAD);
    const ImVec4 focus = ImGui::ColorConvertU32ToFloat4(editorColour::FOCUS_LINE);
    const std::string widest = std::to_string(lineCount);
    ImGuiListClipper clipper;
    clipper.Begin(lineCount, rowHeight);
    while (clipper.Step()) {
        for (int32_t line = clipper.DisplayStart + 1; line <= clipper.DisplayEnd; ++line) {
            const double seconds = notes.secondsOfLine(line);
            const double applied = latestApplied(notes, line, latestEvent);
            const float lit = std::max(applied >= 0.0 ? litLevel(playSeconds - applied, fadeSeconds) : 0.0f,
                                       appliedLast(notes, line, latestEvent) ? LATEST_LIT : 0.0f);
            // Lit lines are told by the colour of their letters: a highlight behind them would
            // cost a software renderer a whole row of pixels each.
            ImVec4 colour = seconds < 0.0 ? comment : mixed(plain, bright, lit);
            if (line == focusLine_) colour = focus;
            std::string number = std::to_string(line);
            number.insert(0, widest.size() - number.size(), ' ');
            const std::string text = number + "  " + notes.scriptLines[static_cast<std::size_t>(line - 1)];
            ImGui::PushID(line);
            ImGui::PushStyleColor(ImGuiCol_Text, colour);
            if (ImGui::Selectable(text.c_str(), false, ImGuiSelectableFlags_None, {ImGui::CalcTextSize(text.c_str()).x, 0.0f}) &&
                seconds >= 0.0) {
                focusLine_ = 0;
                actions.push_back({EditorActionKind::Seek, std::round(seconds * 1000.0)});
            }
            ImGui::PopStyleColor();
            ImGui::PopID();
        }
    }
    ImGui::EndChild();
}
