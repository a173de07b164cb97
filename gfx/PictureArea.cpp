// The picture's place in the frame and the GL state that keeps drawing inside it.
// Clears honour the scissor, so the flash's grey never reaches the bars.
#include "gfx/PictureArea.h"

#include <GL/gl.h>

namespace {

PictureArea currentArea;

// Nearest whole pixel of numerator / denominator, for positive values.
int32_t roundedRatio(int64_t numerator, int64_t denominator) {
    return static_cast<int32_t>((2 * numerator + denominator) / (2 * denominator));
}

void clearWholeFrameBlack(int32_t frameWidth, int32_t frameHeight) {
    glViewport(0, 0, frameWidth, frameHeight);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

}  // namespace

PictureArea pictureAreaIn(int32_t frameWidth, int32_t frameHeight) {
    PictureArea area;
    // Wider than 4:3 (or exactly): the height decides; taller: the width does.
    if (static_cast<int64_t>(frameWidth) * SCREEN_HEIGHT >=
        static_cast<int64_t>(frameHeight) * SCREEN_WIDTH) {
        area.height = frameHeight;
        area.width = roundedRatio(static_cast<int64_t>(frameHeight) * SCREEN_WIDTH, SCREEN_HEIGHT);
    } else {
        area.width = frameWidth;
        area.height = roundedRatio(static_cast<int64_t>(frameWidth) * SCREEN_HEIGHT, SCREEN_WIDTH);
    }
    area.x = (frameWidth - area.width) / 2;
    area.y = (frameHeight - area.height) / 2;
    area.scale = static_cast<float>(area.height) / static_cast<float>(SCREEN_HEIGHT);
    area.bars = area.width != frameWidth || area.height != frameHeight;
    return area;
}

void placePicture(int32_t frameWidth, int32_t frameHeight) {
    currentArea = pictureAreaIn(frameWidth, frameHeight);
    if (currentArea.isPlainScreen()) return;
    if (currentArea.bars) {
        clearWholeFrameBlack(frameWidth, frameHeight);
        glScissor(currentArea.x, currentArea.y, currentArea.width, currentArea.height);
        glEnable(GL_SCISSOR_TEST);
    }
    glViewport(currentArea.x, currentArea.y, currentArea.width, currentArea.height);
    glLineWidth(currentArea.scale);
}

const PictureArea& pictureArea() {
    return currentArea;
}
