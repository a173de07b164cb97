// Reads the show's files in the player's order of need (script, coordinates, song, pictures),
// turns what they say into the facts the script check needs, and gathers every finding.
#include "check/ShowCheck.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "base/RegularFile.h"
#include "check/CoordinatesCheck.h"
#include "check/FindingCodes.h"
#include "check/FindingsOutput.h"
#include "check/PictureCheck.h"
#include "check/ScriptFinding.h"
#include "check/ScriptInspection.h"
#include "check/SongCheck.h"
#include "check/TimelineChecks.h"
#include "overlay/ImageOverlay.h"
#include "scene/ScenePictures.h"
#include "script/DemoScript.h"

namespace {

std::optional<std::string> readText(const char* path) {
    std::string bytes;
    if (!readRegularFile(path, bytes)) return std::nullopt;
    return bytes;
}

void append(std::vector<Finding>& to, std::vector<Finding>&& from) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

Finding scriptMissing() {
    return scriptFinding(WordSpan{}, Severity::Error, code::SCRIPT_MISSING,
                         "cannot be read: the show runs without events and without a song");
}

// The script's findings, the song's, then those that need the song's length.
std::vector<Finding> checkScript(const std::string& text, ShowFacts& facts) {
    ScriptInspection inspection = inspectScript(text, facts.pictureCount);
    SongVerdict song = checkSong(inspection.songFile, inspection.songFileAt);
    facts.songSeconds = song.seconds;
    append(inspection.findings, std::move(song.findings));
    checkTimeline(inspection.events, facts, inspection.findings);
    return std::move(inspection.findings);
}

}  // namespace

ShowFacts showFactsWithoutFiles() {
    ShowFacts facts;
    facts.pictureCount = static_cast<int32_t>(ImageOverlay::pictureLoads().size());
    return facts;
}

std::vector<Finding> checkShow() {
    std::vector<Finding> findings;
    ShowFacts facts = showFactsWithoutFiles();

    const std::optional<std::string> coordinates = readText(COORDINATES_FILE);
    facts.coordinatesRead = coordinates.has_value();
    if (coordinates) {
        CoordinatesInspection inspection = inspectCoordinates(*coordinates);
        facts.pieceCounts = inspection.pieceCounts;
        append(findings, std::move(inspection.findings));
    }

    const std::optional<std::string> script = readText(DemoScript::SCRIPT_FILE);
    if (script) {
        append(findings, checkScript(*script, facts));
    } else {
        findings.push_back(scriptMissing());
    }

    append(findings, checkPictures(showPictureLoads()));
    sortFindings(findings);
    return findings;
}
