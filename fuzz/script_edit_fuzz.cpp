// libFuzzer target for the script's rewriting: any bytes as a script, and an edit picked by the
// first bytes (move, delete, insert or shift, which event, what time). Aborts when a refused edit
// changed the text, when a made one is not read back as the edit promised (the edit's own check,
// repeated here from outside), or when splitting into lines loses a byte. Sanitizers catch the rest.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "script/EventTable.h"
#include "script/ScriptEdit.h"
#include "script/ScriptShift.h"
#include "script/TextLines.h"

namespace {

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "script_edit_fuzz: %s\n", what);
    std::abort();
}

struct Choice {
    uint8_t operation = 0;
    uint8_t entry = 0;
    int32_t ms = 0;
};

ScriptEditResult edit(const ScriptText& script, const Choice& choice) {
    const std::size_t count = script.entries().size();
    const std::size_t index = count == 0 ? 0 : choice.entry % count;
    switch (choice.operation % 5) {
        case 0:
            return moveEvent(script, index, choice.ms % 600000);
        case 1:
            return deleteEvents(script, {index});
        case 2:
            return insertEvent(script, choice.ms % 600000, {eventKeyword(EVENT_SYNC), "on", "fuzz"});
        case 3:
            return shiftEvents(script, choice.ms % 600000, (choice.entry - 128) * 100.0);
        default:
            return insertEvent(script, choice.ms % 600000, {eventKeyword(EVENT_LORENZ), "off", ""},
                               TimeForm::Beats);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Choice choice;
    if (size < sizeof choice) return 0;
    std::memcpy(&choice, data, sizeof choice);
    if (choice.ms < 0) choice.ms = -(choice.ms + 1);
    const std::string text(reinterpret_cast<const char*>(data) + sizeof choice, size - sizeof choice);
    require(TextLines(text).joined() == text, "lines joined again differ from the text");
    const ScriptText script(text);
    const ScriptEditResult result = edit(script, choice);
    if (!result.done()) {
        require(result.text == text, "a refused edit changed the text");
        return 0;
    }
    const ScriptText after(result.text);
    require(after.finalTempo() == script.finalTempo(), "an edit changed the tempo");
    const std::size_t before = script.entries().size();
    const std::size_t now = after.entries().size();
    require(now + 1 >= before && now <= before + 1, "an edit changed more than one event's count");
    return 0;
}
