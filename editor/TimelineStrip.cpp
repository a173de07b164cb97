// The pointer's time is rounded to whole milliseconds before it becomes a seek, so
// a click names the same moment however the view is zoomed; a drag asks again only
// when the pointer has moved onto another pixel.
#include "editor/TimelineStrip.h"

#include <GL/gl.h>
#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "editor/EditorColours.h"
#include "editor/ScriptPanel.h"

namespace {

constexpr double NARROWEST_BEATS = 2.0;    // the deepest zoom shows two beats
constexpr float LEAST_LOOP_PIXELS = 3.0f;  // a shorter Shift-drag is taken for a slip
constexpr float LEAST_NUMBER_GAP = 26.0f;  // pixels between pattern numbers

void drawOpaque(const ImDrawList*, const ImDrawCmd*) {
    glDisable(GL_BLEND);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
}

void drawBlended(const ImDrawList*, const ImDrawCmd*) {
    glEnable(GL_BLEND);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

double wholeMs(double seconds) {
    return std::round(seconds * 1000.0);
}

}  // namespace

void TimelineStrip::draw(const ShowNotes& notes, const StripTransport& transport, ScriptPanel& script,
                         std::vector<EditorAction>& actions) {
    const Timeline& timeline = notes.timeline;
    if (viewEnd_ != timeline.endSeconds) {
        view_ = wholeView(timeline.endSeconds);
        viewEnd_ = timeline.endSeconds;
    }
    if (transport.playing && drag_ == Drag::None)
        view_ = viewFollowing(view_, transport.playSeconds, timeline.endSeconds);

    const ImVec2 origin = ImGui::GetCursorScreenPos();
    const ImVec2 size = ImGui::GetContentRegionAvail();
    if (size.x < 2.0f || size.y < 2.0f) return;
    StripRows rows;
    rows.top = origin.y;
    rows.switchCount = static_cast<int32_t>(timeline.switches.size());
    ImGui::InvisibleButton("##timeline", {size.x, std::max(size.y, rows.bottom() - origin.y)});
    const StripPlot plot{view_, origin.x, size.x};
    ImDrawList& draw = *ImGui::GetWindowDrawList();
    draw.PushClipRect(origin, {origin.x + size.x, origin.y + size.y}, true);
    const uint32_t picture = picture_.texture(notes, plot, rows, std::floor(size.y));
    if (picture != 0) {
        // Opaque: drawn without blending, which spares a software renderer reading the frame back.
        draw.AddCallback(drawOpaque, nullptr);
        draw.AddImage(reinterpret_cast<ImTextureID>(static_cast<intptr_t>(picture)), origin,
                      {origin.x + std::floor(size.x), origin.y + std::floor(size.y)});
        draw.AddCallback(drawBlended, nullptr);
    }
    drawPatternNumbers(plot, rows, timeline.tempo);
    drawLoop(plot, rows, transport);
    drawPlayHead(plot, rows, drag_ == Drag::Scrub ? dragSeconds_ : transport.playSeconds);
    draw.PopClipRect();

    handlePointer(plot, rows, notes, script, actions);
}

void TimelineStrip::handlePointer(const StripPlot& plot, const StripRows& rows, const ShowNotes& notes,
                                  ScriptPanel& script, std::vector<EditorAction>& actions) {
    const ImGuiIO& io = ImGui::GetIO();
    const double endSeconds = notes.timeline.endSeconds;
    const double pointer = std::clamp(plot.secondsAt(io.MousePos.x), 0.0, endSeconds);
    if (ImGui::IsItemActivated()) startDrag(plot, rows, notes, script, actions);
    if (ImGui::IsItemActive() && drag_ != Drag::None) {
        const bool movedAPixel = std::abs(plot.xOf(pointer) - plot.xOf(dragSeconds_)) >= 1.0f;
        if (movedAPixel) {
            dragSeconds_ = pointer;
            if (drag_ == Drag::Scrub) actions.push_back({EditorActionKind::Scrub, wholeMs(pointer)});
        }
    }
    if (ImGui::IsItemDeactivated()) endDrag(plot, actions);
    if (!ImGui::IsItemHovered() && !ImGui::IsItemActive()) return;
    if (io.MouseWheel != 0.0f) {
        const double narrowest = NARROWEST_BEATS * notes.timeline.tempo.beatSeconds();
        view_ = zoomedView(view_, plot.secondsAt(io.MousePos.x), io.MouseWheel, endSeconds, narrowest);
    }
    int32_t index = 0;
    const StripLane lane = rows.laneAt(io.MousePos.y, index);
    if (drag_ == Drag::None)
        ImGui::SetTooltip("%s", laneTip(plot, notes.timeline, lane, index, io.MousePos.x).c_str());
}

void TimelineStrip::startDrag(const StripPlot& plot, const StripRows& rows, const ShowNotes& notes,
                              ScriptPanel& script, std::vector<EditorAction>& actions) {
    const ImGuiIO& io = ImGui::GetIO();
    const double pointer = std::clamp(plot.secondsAt(io.MousePos.x), 0.0, notes.timeline.endSeconds);
    dragSeconds_ = anchorSeconds_ = pointer;
    if (io.KeyShift) {
        drag_ = Drag::Loop;
        return;
    }
    int32_t index = 0;
    const int32_t finding = rows.laneAt(io.MousePos.y, index) == StripLane::Findings
                                ? findingNear(plot, notes.timeline, io.MousePos.x)
                                : -1;
    if (finding >= 0) {
        const Finding& found = notes.timeline.findings[static_cast<std::size_t>(finding)];
        script.showFinding(found);
        dragSeconds_ = found.seconds;
        actions.push_back({EditorActionKind::Seek, wholeMs(found.seconds)});
        return;
    }
    drag_ = Drag::Scrub;
    script.clearFocus();
    actions.push_back({EditorActionKind::Scrub, wholeMs(pointer)});
}

void TimelineStrip::endDrag(const StripPlot& plot, std::vector<EditorAction>& actions) {
    if (drag_ == Drag::Scrub) actions.push_back({EditorActionKind::ScrubEnd});
    if (drag_ == Drag::Loop &&
        std::abs(plot.xOf(dragSeconds_) - plot.xOf(anchorSeconds_)) >= LEAST_LOOP_PIXELS) {
        const double from = std::min(anchorSeconds_, dragSeconds_);
        const double to = std::max(anchorSeconds_, dragSeconds_);
        actions.push_back({EditorActionKind::SetLoop, wholeMs(from), wholeMs(to)});
    }
    drag_ = Drag::None;
}

void TimelineStrip::drawPatternNumbers(const StripPlot& plot, const StripRows& rows,
                                       const Tempo& tempo) const {
    ImDrawList& draw = *ImGui::GetWindowDrawList();
    const double pattern = tempo.patternSeconds();
    const int32_t step = patternStep(plot, tempo, LEAST_NUMBER_GAP);
    const auto first = static_cast<int64_t>(std::ceil(plot.view.from / pattern));
    for (int64_t n = std::max<int64_t>(0, (first + step - 1) / step * step); n * pattern <= plot.view.to;
         n += step) {
        const std::string number = std::to_string(n);
        draw.AddText({std::floor(plot.xOf(n * pattern)) + 2.0f, rows.top - 1.0f}, editorColour::GRID_TEXT,
                     number.c_str());
    }
}

void TimelineStrip::drawLoop(const StripPlot& plot, const StripRows& rows,
                             const StripTransport& transport) const {
    double from = transport.loopStartMs / 1000.0;
    double to = transport.loopEndMs / 1000.0;
    bool on = transport.looping;
    if (drag_ == Drag::Loop) {
        from = std::min(anchorSeconds_, dragSeconds_);
        to = std::max(anchorSeconds_, dragSeconds_);
        on = true;
    } else if (transport.loopStartMs < 0.0 || transport.loopEndMs < 0.0) {
        return;
    }
    ImDrawList& draw = *ImGui::GetWindowDrawList();
    const float left = plot.xOf(from);
    const float right = plot.xOf(to);
    draw.AddRectFilled({left, rows.top}, {right, rows.bottom()},
                       on ? editorColour::LOOP_ON : editorColour::LOOP_OFF);
    draw.AddRectFilled({left, rows.top}, {left + 1.0f, rows.bottom()}, editorColour::LOOP_EDGE);
    draw.AddRectFilled({right - 1.0f, rows.top}, {right, rows.bottom()}, editorColour::LOOP_EDGE);
}

void TimelineStrip::drawPlayHead(const StripPlot& plot, const StripRows& rows, double seconds) const {
    ImDrawList& draw = *ImGui::GetWindowDrawList();
    const float x = std::floor(plot.xOf(seconds));
    draw.AddRectFilled({x, rows.top}, {x + 1.0f, rows.bottom()}, editorColour::PLAY_HEAD);
    draw.AddTriangleFilled({x - 4.0f, rows.top}, {x + 5.0f, rows.top}, {x + 0.5f, rows.top + 6.0f},
                           editorColour::PLAY_HEAD);
}
