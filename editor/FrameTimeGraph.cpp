// Bars scale to 40 ms so that the 60 fps mark sits low. A software GL renderer pays
// for every primitive, so bars merge per pixel column and layer rows merge runs of
// frames into one rectangle each.
#include "editor/FrameTimeGraph.h"

#include <imgui.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "editor/EditorColours.h"
#include "editor/PanelTooltip.h"
#include "scene/SceneLayers.h"

namespace {

constexpr float FULL_SCALE_MS = 40.0f;
constexpr float TARGET_MS = 1000.0f / 60.0f;
constexpr float LAYER_ROW = 3.0f;

struct Plot {
    ImVec2 min;
    ImVec2 max;
    double now = 0.0;
    float xOf(double at) const {
        const double fraction = 1.0 - (now - at) / FrameTimes::KEPT_SECONDS;
        return min.x + static_cast<float>(fraction) * (max.x - min.x);
    }
};

// One bar per pixel column, as tall as the longest frame that falls in it.
void drawBars(ImDrawList& draw, const FrameTimes& times, const Plot& plot) {
    const float height = plot.max.y - plot.min.y;
    const float targetY = plot.max.y - height * TARGET_MS / FULL_SCALE_MS;
    std::vector<float> longest(static_cast<std::size_t>(std::max(0.0f, plot.max.x - plot.min.x)), 0.0f);
    for (const FrameTime& frame : times.frames()) {
        const auto column = static_cast<std::ptrdiff_t>(plot.xOf(frame.at) - plot.min.x);
        if (column >= 0 && column < static_cast<std::ptrdiff_t>(longest.size()))
            longest[static_cast<std::size_t>(column)] =
                std::max(longest[static_cast<std::size_t>(column)], frame.ms);
    }
    for (std::size_t c = 0; c < longest.size(); ++c) {
        if (longest[c] <= 0.0f) continue;
        const float x = plot.min.x + static_cast<float>(c);
        const float top = plot.max.y - height * std::min(longest[c] / FULL_SCALE_MS, 1.0f);
        const uint32_t colour =
            longest[c] > TARGET_MS ? editorColour::FRAME_BAR_SLOW : editorColour::FRAME_BAR;
        draw.AddRectFilled({x, top}, {x + 1.0f, plot.max.y}, colour);
    }
    draw.AddRectFilled({plot.min.x, targetY}, {plot.max.x, targetY + 1.0f}, editorColour::TARGET_60);
}

void drawLayerRow(ImDrawList& draw, const FrameTimes& times, const Plot& plot, int32_t layer, float top,
                  uint32_t colour) {
    const uint32_t bit = 1u << layer;
    double runStart = -1.0;
    double runEnd = 0.0;
    auto close = [&] {
        if (runStart >= 0.0)
            draw.AddRectFilled({plot.xOf(runStart), top}, {plot.xOf(runEnd), top + LAYER_ROW - 1.0f}, colour);
        runStart = -1.0;
    };
    for (const FrameTime& frame : times.frames()) {
        if ((frame.layers & bit) == 0) {
            close();
            continue;
        }
        if (runStart < 0.0) runStart = frame.at - frame.ms / 1000.0;
        runEnd = frame.at;
    }
    close();
}

void showFrameTip(const FrameTimes& times, const Plot& plot) {
    const float mouseX = ImGui::GetIO().MousePos.x;
    const FrameTime* nearest = nullptr;
    float distance = 4.0f;
    for (const FrameTime& frame : times.frames()) {
        const float d = std::abs(plot.xOf(frame.at) - mouseX);
        if (d < distance) {
            distance = d;
            nearest = &frame;
        }
    }
    if (nearest == nullptr) return;
    std::string layers;
    for (int32_t i = 0; i < SCENE_LAYER_COUNT; ++i) {
        if ((nearest->layers & (1u << i)) != 0) layers += std::string(" ") + SCENE_LAYERS[i].keyword;
    }
    char milliseconds[32];
    std::snprintf(milliseconds, sizeof milliseconds, "%.1f ms", static_cast<double>(nearest->ms));
    tooltipWithin(milliseconds + (layers.empty() ? std::string("  (no layer on)") : layers));
}

}  // namespace

void drawFrameTimeGraph(const FrameTimes& times, double now, const Timeline* timeline) {
    int32_t drawingLayers = 0;
    for (const SceneLayer& layer : SCENE_LAYERS) drawingLayers += layer.draws ? 1 : 0;
    const ImVec2 origin = ImGui::GetCursorScreenPos();
    const ImVec2 size = ImGui::GetContentRegionAvail();
    if (size.x <= 0.0f || size.y <= drawingLayers * LAYER_ROW) return;
    ImGui::InvisibleButton("##frameTimes", size);
    ImDrawList& draw = *ImGui::GetWindowDrawList();
    const float rowsTop = origin.y + size.y - drawingLayers * LAYER_ROW;
    const Plot bars{origin, {origin.x + size.x, rowsTop - 2.0f}, now};
    drawBars(draw, times, bars);
    float top = rowsTop;
    for (int32_t i = 0; i < SCENE_LAYER_COUNT; ++i) {
        const SceneLayer& layer = SCENE_LAYERS[i];
        if (!layer.draws) continue;
        const uint32_t colour = timeline != nullptr ? editorColour::switchKeyword(*timeline, layer.keyword)
                                                    : editorColour::packed(160, 160, 160);
        drawLayerRow(draw, times, bars, i, top, colour);
        top += LAYER_ROW;
    }
    if (ImGui::IsItemHovered()) showFrameTip(times, bars);
}
