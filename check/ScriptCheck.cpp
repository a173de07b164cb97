// The script's own findings, the song's and the named pictures' when they are read, then those
// that need the show's facts.
#include "check/ScriptCheck.h"

#include <iterator>

#include "check/FindingsOutput.h"
#include "check/PictureCheck.h"
#include "check/ScriptInspection.h"
#include "check/SongCheck.h"
#include "check/TimelineChecks.h"

std::vector<Finding> checkScriptText(const std::string& text, ShowFacts facts) {
    ScriptInspection inspection = inspectScript(text, facts.pictureCount);
    std::vector<Finding>& findings = inspection.findings;
    if (facts.readSong) {
        SongVerdict song = checkSong(inspection.songFile, inspection.songFileAt);
        facts.songSeconds = song.seconds;
        findings.insert(findings.end(), std::make_move_iterator(song.findings.begin()),
                        std::make_move_iterator(song.findings.end()));
    }
    if (facts.readPictures) {
        std::vector<Finding> pictures = checkNamedPictures(inspection.namedFiles);
        findings.insert(findings.end(), std::make_move_iterator(pictures.begin()),
                        std::make_move_iterator(pictures.end()));
    }
    checkTimeline(inspection.events, facts, findings);
    sortFindings(findings);
    return std::move(findings);
}
