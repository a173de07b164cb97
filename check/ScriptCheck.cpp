// The script's own findings followed by those that need the show's facts.
#include "check/ScriptCheck.h"

#include "check/FindingsOutput.h"
#include "check/ScriptInspection.h"
#include "check/TimelineChecks.h"

std::vector<Finding> checkScriptText(const std::string& text, const ShowFacts& facts) {
    ScriptInspection inspection = inspectScript(text, facts.pictureCount);
    checkTimeline(inspection.events, facts, inspection.findings);
    sortFindings(inspection.findings);
    return std::move(inspection.findings);
}
