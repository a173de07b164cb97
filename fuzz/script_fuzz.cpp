// libFuzzer target for the script: loads any bytes as a script file, then plays it through the
// queue and the sync pattern the way the driver does, and aborts when an invariant breaks.
// It checks the object's own promises only; sanitizers catch the memory and arithmetic faults.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "script/DemoScript.h"

namespace {

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "script_fuzz: %s\n", what);
    std::abort();
}

// One scratch file per process, reused for every input and removed at exit.
char scratchName[] = "/tmp/flashstep-script-fuzz-XXXXXX";

void removeScratch() {
    std::remove(scratchName);
}

const char* scratchPath() {
    static const bool created = [] {
        const int fd = mkstemp(scratchName);
        require(fd >= 0, "cannot create the scratch file");
        close(fd);
        std::atexit(removeScratch);
        return true;
    }();
    (void)created;
    return scratchName;
}

bool writeInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(scratchPath(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

void checkLoaded(const DemoScript& script) {
    require(script.eventCount >= 0 && script.eventCount <= DemoScript::MAX_EVENTS, "eventCount out of range");
    require(script.bpm > 0 && script.patternSpeed > 0, "tempo that divides by zero");
    require(script.patternLength >= 1 && script.patternLength <= DemoScript::SYNC_STEPS,
            "patternLength out of range");
    require(std::memchr(script.songfile, '\0', sizeof script.songfile) != nullptr, "songfile unterminated");
    require(std::memchr(script.title, '\0', sizeof script.title) != nullptr, "title unterminated");
    for (int32_t i = 0; i < DemoScript::MAX_EVENTS; ++i) require(script.events[i].bits >= 0, "negative bits");
}

// One driver update: every due event, reading its arguments, then one sync step.
void update(DemoScript& script, float seconds) {
    for (int32_t kind = script.nextDueEvent(seconds); kind != 0; kind = script.nextDueEvent(seconds)) {
        require(script.cursor >= 1 && script.cursor <= script.eventCount, "cursor out of range");
        (void)script.currentValue();
        (void)script.currentOn();
        if (kind == EVENT_SYNC_PATTERN) script.setSyncPattern(script.currentBits());
    }
    (void)script.nextSyncStep();
    require(script.syncIndex >= 0 && script.syncIndex < script.patternLength, "syncIndex out of range");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!writeInput(data, size)) return 0;
    const auto script = std::make_unique<DemoScript>(scratchPath());
    checkLoaded(*script);

    for (float seconds = 0.0f; seconds < 600.0f; seconds += 0.25f) update(*script, seconds);
    // Past every time: kind-0 events end a pass each, so at most one update per event is needed.
    for (int32_t pass = 0; pass <= script->eventCount; ++pass) update(*script, 3e9f);
    require(script->cursor == script->eventCount, "events left behind");
    require(script->nextDueEvent(0.0f) == 0, "queue went back");
    return 0;
}
