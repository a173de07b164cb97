// What the editing session tells its overlay: the transport as the session holds
// it, the session's latest notice and the show check's findings. The session owns
// and writes it; the overlay only reads it, once a frame.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "check/Finding.h"
#include "script/BeatGrid.h"
#include "script/DemoScript.h"

struct EditorFeed {
    std::string scriptPath = DemoScript::SCRIPT_FILE;
    // A new script or new findings (a reload) bump this; the overlay then reads the
    // script's lines and the song again.
    uint32_t revision = 0;
    std::vector<Finding> findings;
    std::string status;  // the latest notice: "paused", "seek to 3:0.00", a reload's outcome

    bool paused = false;
    bool looping = false;
    double loopStartMs = -1.0;  // negative: no loop set
    double loopEndMs = -1.0;
    double fps = 0.0;

    // Picks snap to this (Alt held: free).
    GridUnit gridUnit = GridUnit::QuarterBeat;
    // The script's edits: what undo and redo would do (empty: nothing), and the
    // latest edit's outcome or refusal.
    std::string undoWhat;
    std::string redoWhat;
    std::string editNotice;
};
