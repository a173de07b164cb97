// Every line wraps to the column's width: nothing it says is cut off.
#include "editor/EditPanel.h"

#include <imgui.h>

#include <string>

#include "editor/TimelineLanes.h"
#include "script/EventTable.h"

namespace {

void wrapped(const std::string& text, bool disabled = false) {
    if (text.empty()) return;
    ImGui::PushTextWrapPos(0.0f);
    if (disabled) ImGui::PushStyleColor(ImGuiCol_Text, ImGui::GetStyleColorVec4(ImGuiCol_TextDisabled));
    ImGui::TextUnformatted(text.c_str());
    if (disabled) ImGui::PopStyleColor();
    ImGui::PopTextWrapPos();
}

void undoButtons(const EditorFeed& feed, std::vector<EditorAction>& actions) {
    ImGui::BeginDisabled(feed.undoWhat.empty());
    if (ImGui::Button("Undo")) actions.push_back({EditorActionKind::Undo});
    ImGui::EndDisabled();
    ImGui::SameLine();
    ImGui::BeginDisabled(feed.redoWhat.empty());
    if (ImGui::Button("Redo")) actions.push_back({EditorActionKind::Redo});
    ImGui::EndDisabled();
    if (!feed.undoWhat.empty()) wrapped("Ctrl-Z: undo " + feed.undoWhat, true);
    if (!feed.redoWhat.empty()) wrapped("Ctrl-Shift-Z: redo " + feed.redoWhat, true);
}

void selectionLines(const ShowNotes& notes, const std::set<int32_t>& selection,
                    std::vector<EditorAction>& actions) {
    if (selection.empty()) {
        wrapped("click an event on the strip to select it; drag it to move it", true);
        return;
    }
    for (const int32_t index : selection) {
        if (index >= static_cast<int32_t>(notes.timeline.events.size())) continue;
        const TimelineEvent& event = notes.timeline.events[static_cast<std::size_t>(index)];
        wrapped("line " + std::to_string(event.line) + ": " + event.text);
    }
    if (ImGui::Button("Delete")) {
        EditorAction remove{EditorActionKind::DeleteEvents};
        remove.events.assign(selection.begin(), selection.end());
        remove.basis = notes.scriptBytes;
        actions.push_back(remove);
    }
}

}  // namespace

void EditPanel::draw(const EditorFeed& feed, const ShowNotes* notes, const std::set<int32_t>& selection,
                     double insertAtMs, std::vector<EditorAction>& actions) {
    wrapped(feed.status, true);
    wrapped(feed.editNotice);
    undoButtons(feed, actions);
    if (notes == nullptr) return;
    ImGui::Separator();
    selectionLines(*notes, selection, actions);
    ImGui::Separator();
    drawForm(*notes, insertAtMs, actions);
}

void EditPanel::drawForm(const ShowNotes& notes, double insertAtMs, std::vector<EditorAction>& actions) {
    const BeatGrid grid = beatGridOf(notes.timeline.tempo);
    wrapped("add at " + grid.patternBeat(insertAtMs) + " (Insert):", true);
    ImGui::SetNextItemWidth(ImGui::CalcTextSize("previousPiece").x + ImGui::GetFrameHeight() * 1.5f);
    if (ImGui::BeginCombo("##keyword", EVENT_TABLE[keyword_].keyword)) {
        for (int32_t i = 0; i < EVENT_ENTRIES; ++i) {
            if (ImGui::Selectable(EVENT_TABLE[i].keyword, i == keyword_)) keyword_ = i;
        }
        ImGui::EndCombo();
    }
    ImGui::SameLine();
    if (focusForm_) {
        ImGui::SetKeyboardFocusHere();
        focusForm_ = false;
    }
    ImGui::SetNextItemWidth(ImGui::CalcTextSize("%x...x...x...x...").x);
    const bool entered =
        ImGui::InputText("##argument", argument_, sizeof argument_,
                         ImGuiInputTextFlags_EnterReturnsTrue | ImGuiInputTextFlags_CharsNoBlank);
    ImGui::SameLine();
    if (ImGui::Button("Add") || entered) {
        EditorAction insert{EditorActionKind::InsertEvent, insertAtMs};
        insert.keyword = EVENT_TABLE[keyword_].keyword;
        insert.argument = argument_;
        insert.basis = notes.scriptBytes;
        actions.push_back(insert);
    }
}
