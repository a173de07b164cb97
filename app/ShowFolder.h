// Which folder the show's files are read from: the one --data names, else the
// working folder when it holds data/script.txt, else the data set installed with
// the program. Says once when that folder has no script; reads nothing itself.
#pragma once

#include <string>

// Changes into the show's folder (see above). The installed data set is looked
// for beside the executable, <prefix>/share/flashstep for <prefix>/bin/flashstep,
// so that a moved prefix still finds it. False, with a message on standard error,
// when the folder --data names cannot be entered.
bool enterShowFolder(const std::string& dataDir);

// One warning line on standard error when data/script.txt is missing, naming the
// absolute path looked for. The show then runs without its script.
void warnIfScriptMissing();
