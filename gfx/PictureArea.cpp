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

void useArea(int32_t frameWidth, int32_t frameHeight) {
    if (currentArea.bars) {
        clearWholeFrameBlack(frameWidth, frameHeight);
        glScissor(currentArea.x, currentArea.y, currentArea.width, currentArea.height);
        glEnable(GL_SCISSOR_TEST);
    }
    glViewport(currentArea.x, currentArea.y, currentArea.width, currentArea.height);
    glLineWidth(currentArea.scale);
}

}  // namespace

PictureArea pictureAreaIn(int32_t frameWidth, int32_t frameHeight) {
    PictureArea area = pictureAreaInBox({0, 0, frameWidth, frameHeight});
    area.bars = area.width != frameWidth || area.height != frameHeight;
    return area;
}

PictureArea pictureAreaInBox(const PixelBox& box) {
    PictureArea area;
    // Wider than 4:3 (or exactly): the height decides; taller: the width does.
    if (static_cast<int64_t>(box.width) * SCREEN_HEIGHT >= static_cast<int64_t>(box.height) * SCREEN_WIDTH) {
        area.height = box.height;
        area.width = roundedRatio(static_cast<int64_t>(box.height) * SCREEN_WIDTH, SCREEN_HEIGHT);
    } else {
        area.width = box.width;
        area.height = roundedRatio(static_cast<int64_t>(box.width) * SCREEN_HEIGHT, SCREEN_WIDTH);
    }
    area.x = box.x + (box.width - area.width) / 2;
    area.y = box.y + (box.height - area.height) / 2;
    area.scale = static_cast<float>(area.height) / static_cast<float>(SCREEN_HEIGHT);
    area.bars = true;  // a box of a bigger frame: the rest is not the picture's
    return area;
}

void placePicture(int32_t frameWidth, int32_t frameHeight) {
    currentArea = pictureAreaIn(frameWidth, frameHeight);
    if (currentArea.isPlainScreen()) return;
    useArea(frameWidth, frameHeight);
}

void movePicture(const PictureArea& area, int32_t frameWidth, int32_t frameHeight) {
    currentArea = area;
    if (!area.bars) glDisable(GL_SCISSOR_TEST);
    GLfloat clear[4] = {};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    useArea(frameWidth, frameHeight);
    glClearColor(clear[0], clear[1], clear[2], clear[3]);
}

const PictureArea& pictureArea() {
    return currentArea;
}

void clearAroundPicture(int32_t frameWidth, int32_t frameHeight) {
    const PictureArea& p = currentArea;
    if (!p.bars) return;
    GLfloat clear[4] = {};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    GLint scissor[4] = {};
    glGetIntegerv(GL_SCISSOR_BOX, scissor);
    const GLboolean scissorOn = glIsEnabled(GL_SCISSOR_TEST);
    glEnable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    const PixelBox sides[4] = {{0, 0, frameWidth, p.y},
                               {0, p.y + p.height, frameWidth, frameHeight - p.y - p.height},
                               {0, p.y, p.x, p.height},
                               {p.x + p.width, p.y, frameWidth - p.x - p.width, p.height}};
    for (const PixelBox& side : sides) {
        if (side.width <= 0 || side.height <= 0) continue;
        glScissor(side.x, side.y, side.width, side.height);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glScissor(scissor[0], scissor[1], scissor[2], scissor[3]);
    if (scissorOn == GL_FALSE) glDisable(GL_SCISSOR_TEST);
    glClearColor(clear[0], clear[1], clear[2], clear[3]);
}
