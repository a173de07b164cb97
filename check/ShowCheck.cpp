// Reads the show's files in the player's order of need (script, coordinates, song, pictures),
// turns what they say into the facts the script check needs, and gathers every finding: the
// script's and the song's through checkScriptText, the one path of every check.
#include "check/ShowCheck.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

#include "base/RegularFile.h"
#include "check/CoordinatesCheck.h"
#include "check/FindingCodes.h"
#include "check/FindingsOutput.h"
#include "check/PictureCheck.h"
#include "check/ScriptCheck.h"
#include "check/ScriptFinding.h"
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
        facts.readSong = true;
        std::vector<NamedFile> named;
        append(findings, checkScriptText(*script, facts, &named));
        append(findings, checkNamedPictures(named));
    } else {
        findings.push_back(scriptMissing());
    }

    const auto loaded = std::make_unique<DemoScript>(DemoScript::SCRIPT_FILE);
    append(findings, checkPictures(showPicturesOf(*loaded)));
    sortFindings(findings);
    return findings;
}
