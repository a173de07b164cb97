// flashstep --new: a complete show written into a new or empty folder, ready to
// play, check, edit and capture: script, coordinates, placeholder pictures, a song
// and a README naming the next steps.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

struct NewShowRequest {
    std::string folder;
    std::string songFile;  // empty: a short song is generated
    std::optional<int32_t> bpm;
};

// Writes the show and says so on `out`; a refusal or failure goes to `err` with
// nothing left behind. The exit status: 0 done, 1 not.
int writeNewShow(const NewShowRequest& request, std::ostream& out, std::ostream& err);
