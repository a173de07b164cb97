// The script's own findings, the song's when it is read, then those that need the show's facts.
#include "check/ScriptCheck.h"

#include <iterator>

#include "check/FindingsOutput.h"
#include "check/ScriptWalk.h"
#include "check/SongCheck.h"
#include "check/TimelineChecks.h"

std::vector<Finding> checkScriptText(const std::string& text, ShowFacts facts,
                                     std::vector<NamedFile>* namedFiles) {
    ScriptInspection inspection = inspectScript(text, facts.pictureCount);
    std::vector<Finding>& findings = inspection.findings;
    if (facts.readSong) {
        SongVerdict song = checkSong(inspection.songFile, inspection.songFileAt);
        facts.songSeconds = song.seconds;
        findings.insert(findings.end(), std::make_move_iterator(song.findings.begin()),
                        std::make_move_iterator(song.findings.end()));
    }
    if (namedFiles != nullptr) *namedFiles = inspection.namedFiles;
    checkTimeline(inspection.events, facts, findings);
    sortFindings(findings);
    return std::move(findings);
}
