// Mirrors the overlay's reading of the coordinates file step by step (top-level words other than
// "new" are skipped; a block runs to "end" or the end of the file; a piece is four numbers), with
// the overlay's own number reading, and says where the file and the overlay part ways: a piece
// that runs onto the next line is named by its own line, not by the shifted pieces after it.
#include "check/CoordinatesCheck.h"

#include <cstdlib>
#include <cstring>

#include "check/FindingCodes.h"
#include "check/ScriptFinding.h"
#include "check/TextSource.h"
#include "gfx/Draw2D.h"
#include "overlay/CoordinatesFile.h"
#include "script/ScriptWords.h"

namespace {

// The overlay keeps at most 23 characters of a word.
constexpr std::size_t WORD_SIZE = 24;

struct Word {
    char text[WORD_SIZE] = {};
    WordSpan span;
    bool read(WordReader& words) {
        span = words.readWord(text);
        return span.length > 0;
    }
};

Finding coordinatesFinding(const WordSpan& at, const char* code, std::string message) {
    Finding finding;
    finding.file = COORDINATES_FILE;
    finding.line = at.line;
    finding.column = at.column;
    finding.severity = Severity::Warning;
    finding.code = code;
    finding.message = std::move(message);
    return finding;
}

bool readsWholeAsInteger(const char* word) {
    char* end = nullptr;
    std::strtol(word, &end, 10);
    return end != word && *end == '\0';
}

class CoordinatesWalk {
public:
    CoordinatesInspection run(const std::string& text);

private:
    void block(const Word& newWord);
    int32_t number(const Word& word);
    bool readPiece(const Word& first, int32_t (&values)[4]);
    void checkInside(const Word& first, const int32_t (&values)[4]);

    void add(const WordSpan& at, const char* code, std::string message);

    WordReader* words_ = nullptr;
    CoordinatesInspection inspection_;
    // A piece took numbers from the next line: every later piece of the block is shifted, and
    // what is wrong with them is that one line's fault, told once.
    bool shifted_ = false;
};

void CoordinatesWalk::add(const WordSpan& at, const char* code, std::string message) {
    if (!shifted_) inspection_.findings.push_back(coordinatesFinding(at, code, std::move(message)));
}

CoordinatesInspection CoordinatesWalk::run(const std::string& text) {
    TextSource source(text);
    WordReader words(&source);
    words_ = &words;
    Word word;
    while (word.read(words)) {
        if (std::strcmp(word.text, "new") == 0) block(word);
    }
    return std::move(inspection_);
}

// The overlay's reading of a number, with a finding when the word is not one whole.
int32_t CoordinatesWalk::number(const Word& word) {
    const int32_t value = parseCoordinate(word.text);
    if (!readsWholeAsInteger(word.text)) {
        std::string message = quoted(word.text) + " is not a whole number: read as " + std::to_string(value);
        if (std::strcmp(word.text, "new") == 0) message += " (is an `end` missing before it?)";
        add(word.span, code::COORDS_NOT_A_NUMBER, message);
    }
    return value;
}

// False when the file ends inside the piece: the overlay drops it.
bool CoordinatesWalk::readPiece(const Word& first, int32_t (&values)[4]) {
    values[0] = number(first);
    for (int k = 1; k < 4; ++k) {
        Word word;
        if (!word.read(*words_)) {
            add(first.span, code::COORDS_INCOMPLETE_GROUP,
                "the file ends after " + std::to_string(k) +
                    " of this piece's 4 numbers: the piece is dropped");
            return false;
        }
        if (word.span.line != first.span.line) {
            add(first.span, code::COORDS_SHORT_LINE,
                "this piece has " + std::to_string(k) + " of its 4 numbers on its line: it takes " +
                    quoted(word.text) + " from line " + std::to_string(word.span.line) +
                    ", and every piece after it in the block is shifted");
            shifted_ = true;
        }
        values[k] = number(word);
    }
    return true;
}

void CoordinatesWalk::checkInside(const Word& first, const int32_t (&values)[4]) {
    const bool inside = values[0] >= 0 && values[0] <= SCREEN_WIDTH && values[2] >= 0 &&
                        values[2] <= SCREEN_WIDTH && values[1] >= 0 && values[1] <= SCREEN_HEIGHT &&
                        values[3] >= 0 && values[3] <= SCREEN_HEIGHT;
    if (inside) return;
    add(first.span, code::COORDS_PIECE_OUTSIDE,
        "piece " + std::to_string(values[0]) + " " + std::to_string(values[1]) + " " +
            std::to_string(values[2]) + " " + std::to_string(values[3]) +
            " reaches outside the 640 x 480 picture");
}

void CoordinatesWalk::block(const Word& newWord) {
    Word indexWord;
    if (!indexWord.read(*words_)) {
        inspection_.findings.push_back(coordinatesFinding(newWord.span, code::COORDS_INCOMPLETE_GROUP,
                                                          "the file ends before the picture index"));
        return;
    }
    const int32_t index = number(indexWord);
    const bool inRange = index >= 0 && index < ImageOverlay::MAX_IMAGES;
    if (!inRange) {
        inspection_.findings.push_back(coordinatesFinding(
            indexWord.span, code::COORDS_PICTURE_INDEX,
            "picture " + std::to_string(index) + " is outside 0 to 19: the block is read and dropped"));
    }
    int32_t stored = 0;
    int32_t pieces = 0;
    Word first;
    while (first.read(*words_) && std::strcmp(first.text, "end") != 0) {
        int32_t values[4] = {};
        if (!readPiece(first, values)) break;
        ++pieces;
        if (pieces == PieceSet::MAX_PIECES + 1) {
            add(first.span, code::COORDS_TOO_MANY_PIECES,
                "a picture holds 10 pieces: this piece and the ones after it in the block are dropped");
        }
        if (stored < PieceSet::MAX_PIECES) ++stored;
        checkInside(first, values);
    }
    if (inRange) inspection_.pieceCounts[index] = stored;
    shifted_ = false;
}

}  // namespace

CoordinatesInspection inspectCoordinates(const std::string& text) {
    return CoordinatesWalk().run(text);
}
