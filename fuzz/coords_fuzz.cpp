// libFuzzer target for the overlay's coordinates reader: any bytes as the file,
// read into the 20 piece sets. Checks that every set stays within its 10 pieces.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "overlay/CoordinatesFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // fmemopen refuses an empty buffer on some C libraries; an empty file says nothing anyway.
    if (size == 0) return 0;
    std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (file == nullptr) return 0;
    PieceSets pieces;
    readCoordinatesStream(file, pieces);
    std::fclose(file);
    for (const PieceSet& set : pieces) {
        if (set.pieceCount < 0 || set.pieceCount > PieceSet::MAX_PIECES) std::abort();
    }
    return 0;
}
