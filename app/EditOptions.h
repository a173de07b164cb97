// What --edit and --loop ask of the authoring session; no SDL here, so the shell's
// header can carry it.
#pragma once

struct EditOptions {
    bool enabled = false;
    double loopStartMs = -1.0;  // negative: no loop asked for
    double loopEndMs = -1.0;
    float uiScale = 0.0f;  // the letters' and panels' size; 0: from the display
};
