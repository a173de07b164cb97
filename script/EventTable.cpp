// The questions asked of the event table that need more than a constant expression.
#include "script/EventTable.h"

const EventEntry& switchEntry(int32_t lane) {
    int32_t seen = 0;
    for (const EventEntry& entry : EVENT_TABLE) {
        if (entry.isSwitch() && seen++ == lane) return entry;
    }
    return EVENT_TABLE[0];
}
