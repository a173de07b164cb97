// The timeline's effect times never go back in the loader's order (an event waits
// for the ones listed before it), so the latest event is a binary search.
#include "editor/ShowNotes.h"

#include <algorithm>
#include <memory>
#include <sstream>

#include "script/DemoScript.h"
#include "script/ScriptSave.h"
#include "timeline/ScriptLines.h"
#include "timeline/TimelineBuild.h"

namespace {

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream file(bytes);
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::replace(line.begin(), line.end(), '\t', ' ');
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace

int32_t ShowNotes::latestEventAt(double seconds) const {
    const auto& events = timeline.events;
    const auto after =
        std::upper_bound(events.begin(), events.end(), seconds,
                         [](double t, const TimelineEvent& event) { return t < event.seconds; });
    return static_cast<int32_t>(after - events.begin()) - 1;
}

double ShowNotes::secondsOfLine(int32_t line) const {
    for (const TimelineEvent& event : timeline.events) {
        if (event.line == line) return event.seconds;
    }
    return -1.0;
}

ShowNotes readShowNotes(const std::string& path, std::vector<Finding> findings, const ShowNotes* knownSong) {
    ShowNotes notes;
    notes.scriptBytes = std::make_shared<const std::string>(readScriptFile(path).value_or(""));
    const auto script = std::make_unique<DemoScript>(path.c_str());
    if (knownSong != nullptr && knownSong->timeline.songFile == script->songfile) {
        notes.waveform = knownSong->waveform;
    } else {
        notes.waveform = decodeWaveform(script->songfile);
    }
    notes.timeline =
        buildTimeline(*script, locateEventLines(path), notes.waveform.seconds, std::move(findings));
    notes.scriptLines = linesOf(*notes.scriptBytes);
    return notes;
}
