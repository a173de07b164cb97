// Walks the stored events once, in the queue's order, keeping each picture's revealed pieces the
// way the dispatch does (clamped to the picture's piece count).
#include "check/TimelineChecks.h"

#include <string>

#include "check/FindingCodes.h"
#include "check/ScriptFinding.h"
#include "script/DemoScript.h"

namespace {

double secondsOf(const CheckedEvent& event) {
    return event.takenMs / 1000.0;
}

// Times that follow a misread tempo are not the author's: the tempo's own error says so.
void checkSongEnd(const CheckedEvent& event, const ShowFacts& facts, std::vector<Finding>& findings) {
    if (event.timeInDoubt || facts.songSeconds < 0.0 || event.takenMs <= facts.songSeconds * 1000.0) return;
    std::string at = event.written + " (" + plainNumber(event.timeMs / 1000.0) + " s)";
    if (event.takenMs != event.timeMs) at += ", taken at " + plainNumber(secondsOf(event)) + " s";
    findings.push_back(scriptFinding(
        event.at, Severity::Warning, code::BEYOND_SONG_END,
        "at " + at + ", after the song ends at " + plainNumber(facts.songSeconds) + " s: it is never applied",
        secondsOf(event)));
}

bool namesPieceSet(const CheckedEvent& event) {
    return event.picture >= 0 && event.picture < ImageOverlay::MAX_IMAGES;
}

bool revealsPieces(const CheckedEvent& event) {
    return namesPieceSet(event) && (event.kind == EVENT_IMAGE_PIECES || event.kind == EVENT_NEXT_PIECE);
}

}  // namespace

void checkTimeline(const std::vector<CheckedEvent>& events, const ShowFacts& facts,
                   std::vector<Finding>& findings) {
    bool missingReported = false;
    PieceCounts shown = {};
    PieceCounts reported = {};
    for (const CheckedEvent& event : events) {
        checkSongEnd(event, facts, findings);
        if (!revealsPieces(event)) {
            if (event.kind == EVENT_PREVIOUS_PIECE && namesPieceSet(event) && shown[event.picture] > 0)
                --shown[event.picture];
            continue;
        }
        if (!facts.coordinatesRead) {
            if (!missingReported) {
                findings.push_back(scriptFinding(event.at, Severity::Warning, code::COORDS_MISSING,
                                                 "picture " + std::to_string(event.picture) +
                                                     " is shown in pieces, but data/coords.txt cannot be "
                                                     "read: every picture is one full-screen piece",
                                                 secondsOf(event)));
            }
            missingReported = true;
            continue;
        }
        if (event.kind != EVENT_NEXT_PIECE) continue;
        const int32_t have = facts.pieceCounts[event.picture];
        if (shown[event.picture] < have) {
            ++shown[event.picture];
        } else if (reported[event.picture]++ == 0) {
            findings.push_back(scriptFinding(event.at, Severity::Note, code::NO_PIECE_LEFT,
                                             "picture " + std::to_string(event.picture) + " has " +
                                                 std::to_string(have) + (have == 1 ? " piece" : " pieces") +
                                                 ", all shown by now: this nextPiece reveals nothing",
                                             secondsOf(event)));
        }
    }
}
