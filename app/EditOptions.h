// What --edit and --loop ask of the authoring session; no SDL here, so the shell's
// header can carry it.
#pragma once

struct EditOptions {
    bool enabled = false;
    double loopStartMs = -1.0;  // negative: no loop asked for
    double loopEndMs = -1.0;
};
