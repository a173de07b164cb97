// A pick is snapped (or, with Alt, rounded to whole milliseconds) before it becomes
// a seek or an edit, so it names the same moment however the view is zoomed; a drag
// asks again only when the pointer has moved onto another pixel.
#include "editor/TimelineStrip.h"

#include <GL/gl.h>
#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>

#include "editor/EditorColours.h"
#include "editor/PanelTooltip.h"
#include "editor/ScriptPanel.h"

namespace {

constexpr double NARROWEST_BEATS = 2.0;    // the deepest zoom shows two beats
constexpr float LEAST_LOOP_PIXELS = 3.0f;  // a shorter Shift-drag is taken for a slip
constexpr float LEAST_MOVE_PIXELS = 2.0f;  // a shorter drag of an event is a click that selects it
constexpr float LEAST_NUMBER_GAP = 26.0f;  // pixels between pattern numbers
constexpr float LEAST_BEAT_LABEL_GAP = 44.0f;
constexpr float NAME_PADDING = 4.0f;

void drawOpaque(const ImDrawList*, const ImDrawCmd*) {
    glDisable(GL_BLEND);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
}

void drawBlended(const ImDrawList*, const ImDrawCmd*) {
    glEnable(GL_BLEND);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

double roundedMs(double seconds) {
    return std::round(seconds * 1000.0);
}

}  // namespace

std::string fittedPictureName(const PictureLane& lane, float room) {
    constexpr std::size_t LONGEST = 18;
    constexpr std::size_t SHORTEST = 3;
    std::string name = pictureName(lane, LONGEST);
    if (ImGui::CalcTextSize(name.c_str()).x <= room) return name;
    PictureLane stem = lane;
    stem.file = std::filesystem::path(lane.file).replace_extension().string();
    for (std::size_t longest = LONGEST; longest > SHORTEST; --longest) {
        name = pictureName(stem, longest);
        if (ImGui::CalcTextSize(name.c_str()).x <= room) return name;
    }
    return pictureName(stem, SHORTEST);
}

double pickedSeconds(const BeatGrid& grid, GridUnit unit, double seconds, bool free) {
    if (free) return std::max(0.0, roundedMs(seconds) / 1000.0);
    return grid.snap(seconds * 1000.0, unit) / 1000.0;
}

// What one drawing of the strip works with.
struct TimelineStrip::Frame {
    const ShowNotes& notes;
    const StripTransport& transport;
    ScriptPanel& script;
    BeatGrid grid;
    StripPlot plot;
    StripRows rows;
    ImVec2 origin;
    ImVec2 size;  // the visible part

    const Timeline& timeline() const { return notes.timeline; }
};

void TimelineStrip::notesChanged() {
    picture_.repaintNextTime();
    selected_.clear();
    dragEvent_ = -1;
    if (drag_ == Drag::Event) drag_ = Drag::None;
}

void TimelineStrip::draw(const ShowNotes& notes, const StripTransport& transport, ScriptPanel& script,
                         std::vector<EditorAction>& actions) {
    const Timeline& timeline = notes.timeline;
    if (viewEnd_ != timeline.endSeconds) {
        view_ = wholeView(timeline.endSeconds);
        viewEnd_ = timeline.endSeconds;
    }
    if (transport.playing && drag_ == Drag::None)
        view_ = viewFollowing(view_, transport.playSeconds, timeline.endSeconds);

    StripRows rows;
    rows.scale = scale_;
    rows.switchCount = static_cast<int32_t>(timeline.switches.size());
    rows.pictureCount = static_cast<int32_t>(timeline.pictures.size());
    const ImVec2 origin = ImGui::GetCursorScreenPos();
    const ImVec2 size = ImGui::GetContentRegionAvail();
    rows.top = origin.y;
    const float names = std::floor(rows.names());
    if (size.x < names + 2.0f || size.y < 2.0f) return;
    const float contentHeight = std::floor(rows.bottom() - origin.y);
    const Frame frame{notes,
                      transport,
                      script,
                      beatGridOf(timeline.tempo),
                      StripPlot{view_, origin.x + names, std::floor(size.x) - names},
                      rows,
                      origin,
                      size};
    ImGui::InvisibleButton("##timeline", {size.x, std::max(size.y, contentHeight)});

    ImDrawList& draw = *ImGui::GetWindowDrawList();
    const uint32_t picture = picture_.texture(notes, frame.plot, rows, contentHeight);
    if (picture != 0) {
        // Opaque: drawn without blending, which spares a software renderer reading the frame back.
        draw.AddCallback(drawOpaque, nullptr);
        draw.AddImage(reinterpret_cast<ImTextureID>(static_cast<intptr_t>(picture)),
                      {frame.plot.left, rows.top},
                      {frame.plot.left + frame.plot.width, rows.top + contentHeight});
        draw.AddCallback(drawBlended, nullptr);
    }
    draw.PushClipRect({frame.plot.left, origin.y}, {frame.plot.left + frame.plot.width, rows.bottom()}, true);
    drawRuler(frame);
    drawSelection(frame);
    drawLoop(frame);
    drawPlayHead(frame, drag_ == Drag::Scrub ? dragSeconds_ : transport.playSeconds);
    draw.PopClipRect();
    drawNames(frame);

    handlePointer(frame, actions);
    handleKeys(frame, actions);
}

double TimelineStrip::picked(const Frame& frame, double seconds) const {
    const double inside = std::clamp(seconds, 0.0, frame.timeline().endSeconds);
    return std::min(pickedSeconds(frame.grid, frame.transport.unit, inside, ImGui::GetIO().KeyAlt),
                    frame.timeline().endSeconds);
}

void TimelineStrip::handlePointer(const Frame& frame, std::vector<EditorAction>& actions) {
    const ImGuiIO& io = ImGui::GetIO();
    const StripPlot& plot = frame.plot;
    const double endSeconds = frame.timeline().endSeconds;
    if (ImGui::IsItemActivated()) startDrag(frame, actions);
    // The frame that lets go moves the drag too: the pointer may have moved since the last one.
    if ((ImGui::IsItemActive() || ImGui::IsItemDeactivated()) && drag_ != Drag::None) {
        const double pointer = picked(frame, plot.secondsAt(io.MousePos.x));
        if (pointer != dragSeconds_) {
            dragSeconds_ = pointer;
            if (drag_ == Drag::Scrub) actions.push_back({EditorActionKind::Scrub, roundedMs(pointer)});
        }
    }
    if (ImGui::IsItemDeactivated()) endDrag(frame, actions);
    if (!ImGui::IsItemHovered() && !ImGui::IsItemActive()) return;
    if (ImGui::IsItemHovered() && ImGui::IsMouseDoubleClicked(ImGuiMouseButton_Left))
        doubleClick(frame, actions);
    if (io.MouseWheel != 0.0f) {
        if (io.MousePos.x < plot.left) {
            ImGui::SetScrollY(ImGui::GetScrollY() - io.MouseWheel * 3.0f * frame.rows.lane());
        } else {
            const double narrowest = NARROWEST_BEATS * frame.timeline().tempo.beatSeconds();
            view_ = zoomedView(view_, plot.secondsAt(io.MousePos.x), io.MouseWheel, endSeconds, narrowest);
        }
    }
    int32_t index = 0;
    const StripLane lane = frame.rows.laneAt(io.MousePos.y, index);
    if (drag_ == Drag::None && io.MousePos.x >= plot.left)
        tooltipWithin(laneTip(plot, frame.timeline(), lane, index, io.MousePos.x, scale_));
}

void TimelineStrip::startDrag(const Frame& frame, std::vector<EditorAction>& actions) {
    const ImGuiIO& io = ImGui::GetIO();
    const Timeline& timeline = frame.timeline();
    const double pointer = picked(frame, frame.plot.secondsAt(io.MousePos.x));
    dragSeconds_ = anchorSeconds_ = pointer;
    if (io.KeyShift) {
        drag_ = Drag::Loop;
        return;
    }
    int32_t index = 0;
    const StripLane lane = frame.rows.laneAt(io.MousePos.y, index);
    const int32_t finding =
        lane == StripLane::Findings ? findingNear(frame.plot, timeline, io.MousePos.x) : -1;
    if (finding >= 0) {
        const Finding& found = timeline.findings[static_cast<std::size_t>(finding)];
        frame.script.showFinding(found);
        dragSeconds_ = found.seconds;
        actions.push_back({EditorActionKind::Seek, roundedMs(found.seconds)});
        return;
    }
    const int32_t event = eventNear(frame.plot, timeline, lane, index, io.MousePos.x, scale_);
    if (event >= 0) {
        if (io.KeyCtrl && selected_.count(event) != 0) {
            selected_.erase(event);
            return;
        }
        if (!io.KeyCtrl && selected_.count(event) == 0) selected_.clear();
        selected_.insert(event);
        drag_ = Drag::Event;
        dragEvent_ = event;
        anchorSeconds_ = io.MousePos.x;  // a drag of an event counts from where it was taken
        dragSeconds_ = timeline.events[static_cast<std::size_t>(event)].seconds;
        return;
    }
    if (!io.KeyCtrl) selected_.clear();
    drag_ = Drag::Scrub;
    frame.script.clearFocus();
    actions.push_back({EditorActionKind::Scrub, roundedMs(pointer)});
}

void TimelineStrip::endDrag(const Frame& frame, std::vector<EditorAction>& actions) {
    const StripPlot& plot = frame.plot;
    if (drag_ == Drag::Scrub) actions.push_back({EditorActionKind::ScrubEnd});
    if (drag_ == Drag::Loop &&
        std::abs(plot.xOf(dragSeconds_) - plot.xOf(anchorSeconds_)) >= LEAST_LOOP_PIXELS) {
        const double from = std::min(anchorSeconds_, dragSeconds_);
        const double to = std::max(anchorSeconds_, dragSeconds_);
        actions.push_back({EditorActionKind::SetLoop, roundedMs(from), roundedMs(to)});
    }
    if (drag_ == Drag::Event && dragEvent_ >= 0 &&
        std::abs(ImGui::GetIO().MousePos.x - static_cast<float>(anchorSeconds_)) >= LEAST_MOVE_PIXELS) {
        EditorAction move{EditorActionKind::MoveEvent, roundedMs(dragSeconds_)};
        move.events = {dragEvent_};
        move.basis = frame.notes.scriptBytes;
        actions.push_back(move);
    }
    drag_ = Drag::None;
    dragEvent_ = -1;
}

// On an empty place of a layer's lane: the layer switched there, on where it is off
// and off where it is on.
void TimelineStrip::doubleClick(const Frame& frame, std::vector<EditorAction>& actions) {
    const ImGuiIO& io = ImGui::GetIO();
    int32_t index = 0;
    if (frame.rows.laneAt(io.MousePos.y, index) != StripLane::Switch) return;
    if (eventNear(frame.plot, frame.timeline(), StripLane::Switch, index, io.MousePos.x, scale_) >= 0) return;
    const SwitchLane& lane = frame.timeline().switches[static_cast<std::size_t>(index)];
    const double at = picked(frame, frame.plot.secondsAt(io.MousePos.x));
    const bool on = std::any_of(lane.spans.begin(), lane.spans.end(),
                                [at](const Span& span) { return at >= span.on && at < span.off; });
    EditorAction insert{EditorActionKind::InsertEvent, roundedMs(at)};
    insert.keyword = lane.keyword;
    insert.argument = on ? "off" : "on";
    insert.basis = frame.notes.scriptBytes;
    actions.push_back(insert);
}

void TimelineStrip::handleKeys(const Frame& frame, std::vector<EditorAction>& actions) {
    const ImGuiIO& io = ImGui::GetIO();
    if (io.WantTextInput || selected_.empty()) return;
    if (!ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Delete), false)) return;
    EditorAction remove{EditorActionKind::DeleteEvents};
    remove.events.assign(selected_.begin(), selected_.end());
    remove.basis = frame.notes.scriptBytes;
    actions.push_back(remove);
}

void TimelineStrip::drawNames(const Frame& frame) const {
    ImDrawList& draw = *ImGui::GetWindowDrawList();
    const StripRows& rows = frame.rows;
    const float right = frame.plot.left;
    draw.AddRectFilled({frame.origin.x, rows.top}, {right, rows.bottom()}, editorColour::PANEL_BACK);
    const float textHeight = ImGui::GetTextLineHeight();
    const float room = right - 1.0f - (frame.origin.x + NAME_PADDING * scale_);
    auto name = [&](StripLane lane, int32_t index, float top, float height) {
        const std::string text =
            lane == StripLane::Picture
                ? fittedPictureName(frame.timeline().pictures[static_cast<std::size_t>(index)], room)
                : laneName(frame.timeline(), lane, index);
        const ImVec2 at{frame.origin.x + NAME_PADDING * scale_,
                        std::floor(top + (height - textHeight) / 2.0f)};
        draw.PushClipRect({frame.origin.x, top}, {right - 1.0f, top + height}, true);
        draw.AddText(at, editorColour::GRID_TEXT, text.c_str());
        draw.PopClipRect();
    };
    name(StripLane::Ruler, 0, rows.top, rows.waveformTop() - rows.top);
    name(StripLane::Waveform, 0, rows.waveformTop(), rows.switchesTop() - rows.waveformTop());
    for (int32_t i = 0; i < rows.switchCount; ++i)
        name(StripLane::Switch, i, rows.rowTop(StripLane::Switch, i), rows.lane());
    for (int32_t i = 0; i < rows.pictureCount; ++i)
        name(StripLane::Picture, i, rows.rowTop(StripLane::Picture, i), rows.lane());
    name(StripLane::Sync, 0, rows.syncTop(), rows.lane());
    name(StripLane::Others, 0, rows.othersTop(), rows.lane());
    name(StripLane::Findings, 0, rows.findingsTop(), rows.bottom() - rows.findingsTop());
}

// Pattern numbers, and where beats are far enough apart, each beat as pattern:beat.
void TimelineStrip::drawRuler(const Frame& frame) const {
    ImDrawList& draw = *ImGui::GetWindowDrawList();
    const StripPlot& plot = frame.plot;
    const Tempo& tempo = frame.timeline().tempo;
    const float y = frame.rows.top;
    const double offset = tempo.offsetSeconds();
    const double beatPixels = tempo.beatSeconds() / plot.view.span() * plot.width;
    if (beatPixels >= LEAST_BEAT_LABEL_GAP * scale_) {
        const auto first = static_cast<int64_t>(std::floor((plot.view.from - offset) / tempo.beatSeconds()));
        for (int64_t b = first; offset + b * tempo.beatSeconds() <= plot.view.to; ++b) {
            const double at = offset + b * tempo.beatSeconds();
            if (at < 0.0) continue;
            const std::string label = frame.grid.patternBeat(at * 1000.0);
            draw.AddText({std::floor(plot.xOf(at)) + 2.0f, y}, editorColour::GRID_TEXT,
                         label.substr(0, label.find('.')).c_str());
        }
        return;
    }
    const double pattern = tempo.patternSeconds();
    const int32_t step = patternStep(plot, tempo, LEAST_NUMBER_GAP * scale_);
    const auto first = static_cast<int64_t>(std::ceil((plot.view.from - offset) / pattern));
    for (int64_t n = (first + step - 1) / step * step; offset + n * pattern <= plot.view.to; n += step) {
        if (offset + n * pattern < 0.0) continue;
        const std::string number = std::to_string(n);
        draw.AddText({std::floor(plot.xOf(offset + n * pattern)) + 2.0f, y}, editorColour::GRID_TEXT,
                     number.c_str());
    }
}

void TimelineStrip::drawSelection(const Frame& frame) const {
    ImDrawList& draw = *ImGui::GetWindowDrawList();
    const Timeline& timeline = frame.timeline();
    const float width = std::max(2.0f, std::round(2.0f * scale_));
    auto mark = [&](int32_t event, double seconds, uint32_t colour) {
        const EventMark where = eventMark(timeline, event);
        if (where.lane == StripLane::None) return;
        const float top = frame.rows.rowTop(where.lane, where.row);
        const float x = std::floor(frame.plot.xOf(seconds));
        draw.AddRectFilled({x - width / 2.0f, top}, {x + width / 2.0f + 1.0f, top + frame.rows.lane()},
                           colour);
    };
    for (const int32_t event : selected_) {
        if (event < static_cast<int32_t>(timeline.events.size()))
            mark(event, timeline.events[static_cast<std::size_t>(event)].seconds, editorColour::SELECTED);
    }
    if (drag_ == Drag::Event && dragEvent_ >= 0) {
        mark(dragEvent_, dragSeconds_, editorColour::DRAGGED);
        const std::string label = frame.grid.patternBeat(dragSeconds_ * 1000.0);
        draw.AddText({frame.plot.xOf(dragSeconds_) + 4.0f, frame.rows.top}, editorColour::SELECTED,
                     label.c_str());
    }
}

void TimelineStrip::drawLoop(const Frame& frame) const {
    const StripTransport& transport = frame.transport;
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
    const float left = frame.plot.xOf(from);
    const float right = frame.plot.xOf(to);
    const StripRows& rows = frame.rows;
    draw.AddRectFilled({left, rows.top}, {right, rows.bottom()},
                       on ? editorColour::LOOP_ON : editorColour::LOOP_OFF);
    draw.AddRectFilled({left, rows.top}, {left + 1.0f, rows.bottom()}, editorColour::LOOP_EDGE);
    draw.AddRectFilled({right - 1.0f, rows.top}, {right, rows.bottom()}, editorColour::LOOP_EDGE);
}

void TimelineStrip::drawPlayHead(const Frame& frame, double seconds) const {
    ImDrawList& draw = *ImGui::GetWindowDrawList();
    const StripRows& rows = frame.rows;
    const float x = std::floor(frame.plot.xOf(seconds));
    const float head = std::round(5.0f * scale_);
    draw.AddRectFilled({x, rows.top}, {x + 1.0f, rows.bottom()}, editorColour::PLAY_HEAD);
    draw.AddTriangleFilled({x - head + 1.0f, rows.top}, {x + head, rows.top},
                           {x + 0.5f, rows.top + head + 1.0f}, editorColour::PLAY_HEAD);
}
