// The overlay pictures over time, one lane per picture the script names: when each
// is shown, its fades with their lengths, its modes and its piece steps.
#pragma once

#include <vector>

#include "timeline/Timeline.h"

// Lanes in ascending picture order. Events naming no picture slot are left out.
std::vector<PictureLane> pictureLanes(const std::vector<TimelineEvent>& events, const Tempo& tempo,
                                      double closingSeconds);
// True for the events that belong to a picture lane (fadeSpeed is global: it is not).
bool isPictureEvent(const TimelineEvent& event);
