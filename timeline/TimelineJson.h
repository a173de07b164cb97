// The timeline as one JSON object, keys in a fixed order: song, tempo, switch spans, pictures, sync pattern
// changes, camera jumps, events and findings; the data the picture is drawn from.
#pragma once

#include <nlohmann/json_fwd.hpp>

#include "timeline/Timeline.h"

nlohmann::ordered_json timelineJson(const Timeline& timeline);
// A picture mark's name as the JSON and the page give it ("fadeIn", "nextPiece", ...).
const char* pictureMarkName(PictureMark mark);
// A picture mode's name: "still", "zoom", "flicker" or "pieces".
const char* pictureModeName(int32_t mode);
// Steps as the script writes them: "%x...x..." over one pattern.
std::string stepPatternText(int32_t bits, int32_t patternLength);
