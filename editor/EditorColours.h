// The overlay's colours as Dear ImGui packs them: the timeline picture's lane and
// finding colours, lifted where they would vanish on the overlay's dark panels,
// and the few inks of its own. Values only.
#pragma once

#include <cstdint>
#include <string>

#include "check/Finding.h"
#include "timeline/Timeline.h"

namespace editorColour {

// Switch lane `lane` of the timeline, as the timeline picture colours it.
uint32_t switchLane(int32_t lane);
// The lane colour of a switch keyword; grey for one the timeline has no lane for.
uint32_t switchKeyword(const Timeline& timeline, const std::string& keyword);
uint32_t finding(Severity severity);
uint32_t pictureShown();
uint32_t waveform();

constexpr uint32_t packed(uint32_t r, uint32_t g, uint32_t b, uint32_t a = 255) {
    return (a << 24) | (b << 16) | (g << 8) | r;
}

constexpr uint32_t PLAY_HEAD = packed(255, 236, 90);
constexpr uint32_t GRID_PATTERN = packed(255, 255, 255, 56);
constexpr uint32_t GRID_BEAT = packed(255, 255, 255, 26);
constexpr uint32_t GRID_STEP = packed(255, 255, 255, 10);
constexpr uint32_t SELECTED = packed(255, 160, 40);
constexpr uint32_t DRAGGED = packed(255, 160, 40, 150);
constexpr uint32_t PANEL_BACK = packed(22, 22, 25);
constexpr uint32_t EDGE = packed(48, 48, 54);
constexpr uint32_t GRID_TEXT = packed(200, 200, 200);
constexpr uint32_t LANE_BACK = packed(255, 255, 255, 12);
constexpr uint32_t JUMP = packed(230, 230, 230, 170);
constexpr uint32_t LOOP_ON = packed(90, 200, 120, 60);
constexpr uint32_t LOOP_OFF = packed(160, 160, 160, 40);
constexpr uint32_t LOOP_EDGE = packed(90, 200, 120, 200);
constexpr uint32_t FOCUS_LINE = packed(255, 110, 100);
constexpr uint32_t TARGET_60 = packed(120, 220, 120, 120);
constexpr uint32_t FRAME_BAR = packed(150, 190, 240);
constexpr uint32_t FRAME_BAR_SLOW = packed(240, 110, 90);

}  // namespace editorColour
