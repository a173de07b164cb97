// Reads the coordinates file word by word. Only "new" blocks mean anything; every
// other top-level word is skipped. Trusts nothing about the file's sizes or indices.
#include "overlay/CoordinatesFile.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/RegularFile.h"
#include "gfx/Draw2D.h"

namespace {

// Words are at most 23 characters; longer ones are cut, never split.
constexpr int WORD_SIZE = 24;
using Word = char[WORD_SIZE];

// Reads the next whitespace-separated word, consuming all of it but keeping
// only its first 23 characters. False at the end of the file.
bool readWord(std::FILE* file, Word& word) {
    int c = std::fgetc(file);
    while (c != EOF && std::isspace(c)) c = std::fgetc(file);
    if (c == EOF) return false;
    int length = 0;
    while (c != EOF && !std::isspace(c)) {
        if (length < WORD_SIZE - 1) word[length++] = static_cast<char>(c);
        c = std::fgetc(file);
    }
    word[length] = '\0';
    return true;
}

// Reads the three numbers that complete a piece after its first word.
// False if the file ends first: the incomplete piece is dropped.
bool readRestOfPiece(std::FILE* file, int32_t (&values)[4]) {
    Word word = {};
    for (int k = 1; k < 4; ++k) {
        if (!readWord(file, word)) return false;
        values[k] = parseCoordinate(word);
    }
    return true;
}

void storePiece(PieceSet& set, int32_t index, const int32_t (&values)[4]) {
    set.x1[index] = static_cast<float>(values[0]) / SCREEN_WIDTH;
    set.y1[index] = static_cast<float>(values[1]) / SCREEN_HEIGHT;
    set.x2[index] = static_cast<float>(values[2]) / SCREEN_WIDTH;
    set.y2[index] = static_cast<float>(values[3]) / SCREEN_HEIGHT;
}

// Reads pieces up to "end" or the end of the file; the block replaces the
// set's pieces from the first on.
void readBlock(std::FILE* file, PieceSet& set) {
    int32_t stored = 0;
    Word word = {};
    while (readWord(file, word) && std::strcmp(word, "end") != 0) {
        int32_t values[4] = {parseCoordinate(word), 0, 0, 0};
        if (!readRestOfPiece(file, values)) break;
        if (stored < PieceSet::MAX_PIECES) storePiece(set, stored++, values);
    }
    set.pieceCount = stored;
}

}  // namespace

int32_t parseCoordinate(const char* word) {
    const long value = std::strtol(word, nullptr, 10);
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

void readCoordinatesStream(std::FILE* file, PieceSets& pieces) {
    Word word = {};
    while (readWord(file, word)) {
        if (std::strcmp(word, "new") != 0) continue;
        if (!readWord(file, word)) return;
        const int32_t index = parseCoordinate(word);
        // A block for a picture the overlay cannot hold still has to be consumed.
        PieceSet discarded;
        const bool inRange = index >= 0 && index < ImageOverlay::MAX_IMAGES;
        readBlock(file, inRange ? pieces[index] : discarded);
    }
}

bool readCoordinatesFile(const char* fileName, PieceSets& pieces) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(openRegularStream(fileName), std::fclose);
    if (!file) return false;
    readCoordinatesStream(file.get(), pieces);
    return true;
}
