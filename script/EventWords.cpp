// Keyword table and argument forms of event lines.
// "end" is not here: it stops the reading and is the loader's concern.
#include "script/EventWords.h"

#include <cstring>
#include <iterator>

#include "script/DemoScript.h"

namespace {

struct KeywordKind {
    const char* keyword = nullptr;
    int32_t kind = EVENT_NONE;
};

constexpr KeywordKind KEYWORDS[] = {
    {"palikat", EVENT_PALIKAT},
    {"hohto", EVENT_HOHTO},
    {"rgbhohto", EVENT_RGBHOHTO},
    {"wireframe", EVENT_WIREFRAME},
    {"putki", EVENT_PUTKI},
    {"kumma", EVENT_KUMMA},
    {"elektro", EVENT_ELEKTRO},
    {"lorenz", EVENT_LORENZ},
    {"scaled", EVENT_SCALED},
    {"titleImages", EVENT_TITLE_IMAGES},
    {"showImage", EVENT_SHOW_IMAGE},
    {"hideImage", EVENT_HIDE_IMAGE},
    {"fadeSpeed", EVENT_FADE_SPEED},
    {"fadeIn", EVENT_FADE_IN},
    {"fadeOut", EVENT_FADE_OUT},
    {"imageStill", EVENT_IMAGE_STILL},
    {"imageZoom", EVENT_IMAGE_ZOOM},
    {"imagePieces", EVENT_IMAGE_PIECES},
    {"nextPiece", EVENT_NEXT_PIECE},
    {"previousPiece", EVENT_PREVIOUS_PIECE},
    {"syncOnce", EVENT_SYNC_ONCE},
    {"sync", EVENT_SYNC},
    {"cameraDistance", EVENT_CAMERA_DISTANCE},
    {"syncPattern", EVENT_SYNC_PATTERN},
    {"bufferDetail", EVENT_BUFFER_DETAIL},
    {"randomCamera", EVENT_RANDOM_CAMERA},
    {"rotateSpeed", EVENT_ROTATE_SPEED},
};
static_assert(std::size(KEYWORDS) == EVENT_KEYWORD_COUNT, "every event keyword has its kind");

}  // namespace

int32_t eventKindOf(const char* keyword) {
    for (const KeywordKind& entry : KEYWORDS) {
        if (std::strcmp(keyword, entry.keyword) == 0) return entry.kind;
    }
    return EVENT_NONE;
}

const char* eventKeywordAt(int32_t index) {
    return KEYWORDS[index].keyword;
}

bool isStepPattern(const char* argument) {
    return argument[0] == '%';
}

int32_t stepPatternBits(const char* pattern) {
    int32_t bits = 0;
    const char* steps = isStepPattern(pattern) ? pattern + 1 : pattern;
    for (int32_t step = 0; step < MAX_PATTERN_STEPS && steps[step] != '\0'; ++step) {
        if (steps[step] != '.') bits |= int32_t{1} << step;
    }
    return bits;
}

bool isSwitchOn(const char* argument) {
    return std::strcmp(argument, "on") == 0 || std::strcmp(argument, "true") == 0;
}
