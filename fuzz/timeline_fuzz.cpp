// libFuzzer target for the timeline's JSON and page: any bytes as a script, loaded as the
// player loads it, its lines located and its findings made by the check, written both ways
// through the command's own writer. Both must be written and read back as JSON (the page's
// embedded data too), whatever bytes the script holds; sanitizers catch the memory and
// arithmetic faults.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "check/ScriptCheck.h"
#include "script/DemoScript.h"
#include "timeline/TimelineBuild.h"
#include "timeline/TimelineFonts.h"
#include "timeline/TimelineOutput.h"

namespace {

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "timeline_fuzz: %s\n", what);
    std::abort();
}

// One scratch folder per process for the script and the outputs, removed at exit.
char scratchName[] = "/tmp/flashstep-timeline-fuzz-XXXXXX";

void removeScratch() {
    for (const char* name : {"/script.txt", "/t.json", "/t.html"})
        std::remove((scratchName + std::string(name)).c_str());
    rmdir(scratchName);
}

// fontconfig's caches live as long as the process; let go of them so that the
// leak check sees only what the timeline keeps.
void releaseAtExit() {
    fonts::releaseCaches();
    removeScratch();
}

std::string scratch(const char* name) {
    static const bool created = [] {
        require(mkdtemp(scratchName) != nullptr, "cannot create the scratch folder");
        std::atexit(releaseAtExit);
        return true;
    }();
    (void)created;
    return scratchName + std::string("/") + name;
}

std::string readBack(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void requireJson(const std::string& text, const char* what) {
    require(!nlohmann::json::parse(text, nullptr, false).is_discarded(), what);
}

std::string pageData(const std::string& page) {
    const std::string opening = "type=\"application/json\">";
    const size_t from = page.find(opening);
    require(from != std::string::npos, "the page has no data");
    const size_t start = from + opening.size();
    return page.substr(start, page.find("</script>", start) - start);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string script = scratch("script.txt");
    std::ofstream(script, std::ios::binary | std::ios::trunc) << text;
    const auto loaded = std::make_unique<DemoScript>(script.c_str());
    ShowFacts facts;
    facts.pictureCount = 18;
    facts.songSeconds = 60.0;
    const Timeline timeline =
        buildTimeline(*loaded, locateEventLines(script), facts.songSeconds, checkScriptText(text, facts));
    const Waveform silence;
    const TimelineDrawing drawing = timelineDrawing(timeline, silence, nullptr);
    std::string error;
    require(writeTimeline(TimelineFormat::Json, scratch("t.json"), drawing, error),
            "the JSON was not written");
    requireJson(readBack(scratch("t.json")), "the JSON does not read back");
    require(writeTimeline(TimelineFormat::Html, scratch("t.html"), drawing, error),
            "the page was not written");
    requireJson(pageData(readBack(scratch("t.html"))), "the page's data does not read back");
    return 0;
}
