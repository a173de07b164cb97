// Every event at or after a time moved by the same amount, for a longer intro or a cut section:
// only the time words of those lines change (the end line's too), nothing moves in the file. A
// shift back is refused where it would carry an event past one that stays.
#pragma once

#include "script/EditOutcome.h"
#include "script/ScriptText.h"

// `byMs` may be negative. Each shifted word keeps its form: its beat position moves by `byMs` in
// the tempo in force at its line, and is written for the time the loader gives that position.
ScriptEditResult shiftEvents(const ScriptText& script, double fromMs, double byMs);
