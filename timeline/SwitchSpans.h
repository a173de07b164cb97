// On-spans of the switch keywords of the event table, in its order.
// A repeated "on" keeps a span open; a span still on at the end closes there.
#pragma once

#include <vector>

#include "timeline/Timeline.h"

// Every switch keyword in a fixed order, each with its spans (possibly none).
std::vector<SwitchLane> switchLanes(const std::vector<TimelineEvent>& events, double closingSeconds);
