// What checking the script needs to know of the rest of the show: how many pictures the overlay
// holds, how long the song is (or that the song the script names is to be read for it), and how
// many pieces each picture has. checkShow reads them from the files; tests, the fuzzer and the
// benchmark give them directly.
#pragma once

#include <array>
#include <cstdint>

#include "overlay/ImageOverlay.h"

using PieceCounts = std::array<int32_t, ImageOverlay::MAX_IMAGES>;

// Every picture has one full-screen piece until data/coords.txt says otherwise.
constexpr PieceCounts onePieceEach() {
    PieceCounts counts = {};
    for (int32_t& count : counts) count = 1;
    return counts;
}

struct ShowFacts {
    int32_t pictureCount = 0;     // events name pictures 0 to pictureCount - 1
    double songSeconds = -1.0;    // negative: unknown, so no time is beyond the end
    bool readSong = false;        // songSeconds from the song the script names, with its findings
    bool coordinatesRead = true;  // data/coords.txt could be opened
    PieceCounts pieceCounts = onePieceEach();
};
