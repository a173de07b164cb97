// The loader's step for one statement, open to the show check: it applies each statement to a
// DemoScript exactly as the constructor does, so the check reads back what the player would get.
// Nothing else loads statements.
#pragma once

#include "script/DemoScript.h"
#include "script/ScriptStatements.h"

// Header statements set tempo, pattern geometry, song file or initialEvent; event statements
// append an event while fewer than MAX_EVENTS are stored; comments do nothing. False for an end
// statement: reading stops there.
bool applyScriptStatement(DemoScript& script, const ScriptStatement& statement);
