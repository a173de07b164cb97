// Keywords and argument words of event lines.
#include "script/EventWords.h"

#include <cstring>

#include "script/EventTable.h"

int32_t eventKindOf(const char* keyword) {
    for (const EventEntry& entry : EVENT_TABLE) {
        if (std::strcmp(keyword, entry.keyword) == 0) return entry.kind;
    }
    return EVENT_NONE;
}

bool isStepPattern(const char* argument) {
    return argument[0] == '%';
}

int32_t stepPatternBits(const char* pattern) {
    int32_t bits = 0;
    const char* steps = isStepPattern(pattern) ? pattern + 1 : pattern;
    for (int32_t step = 0; step < MAX_PATTERN_STEPS && steps[step] != '\0'; ++step) {
        if (steps[step] != '.') bits |= int32_t{1} << step;
    }
    return bits;
}

bool isSwitchOn(const char* argument) {
    return std::strcmp(argument, "on") == 0 || std::strcmp(argument, "true") == 0;
}
