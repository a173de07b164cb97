// Draws the visible pictures over the finished scene, each in its mode: a whole
// or zoomed picture, a randomly shifted flicker window, or the shown pieces.
// Changes no picture state; leaves the depth test off and polygons filled.
#include <GL/gl.h>

#include <algorithm>

#include "base/Random.h"
#include "gfx/Draw2D.h"
#include "gfx/Texture.h"
#include "overlay/ImageOverlay.h"

namespace {

constexpr float PASS_DEPTH = -10000.0f;

// The part of the picture under the piece, drawn in place.
void drawPiece(const PieceSet& set, int32_t j) {
    const float x1 = set.x1[j], y1 = set.y1[j], x2 = set.x2[j], y2 = set.y2[j];
    begin2D(PASS_DEPTH);
    glBegin(GL_QUADS);
    glTexCoord2f(x1, 1.0f - y1);
    glVertex2f(SCREEN_WIDTH * x1, SCREEN_HEIGHT * y1);
    glTexCoord2f(x2, 1.0f - y1);
    glVertex2f(SCREEN_WIDTH * x2, SCREEN_HEIGHT * y1);
    glTexCoord2f(x2, 1.0f - y2);
    glVertex2f(SCREEN_WIDTH * x2, SCREEN_HEIGHT * y2);
    glTexCoord2f(x1, 1.0f - y2);
    glVertex2f(SCREEN_WIDTH * x1, SCREEN_HEIGHT * y2);
    glEnd();
    end2D();
}

// Never reads past the pieces the picture has, whatever piecesShown says.
void drawPieces(Texture& texture, const PieceSet& set, int32_t piecesShown) {
    const int32_t pieceCount = std::clamp(set.pieceCount, 0, PieceSet::MAX_PIECES);
    const int32_t shown = std::min(piecesShown, pieceCount);
    texture.bind();
    for (int32_t j = 0; j < shown; ++j) drawPiece(set, j);
}

// Flicker shifts the window by the frame's random (a, b); still and zoom show
// the window inset by the picture's offsets.
void drawPicture(ImageOverlay& overlay, int32_t i, float a, float b) {
    Texture& texture = *overlay.textures[i];
    const float offsetX = overlay.offsetX[i], offsetY = overlay.offsetY[i];
    // The push and the pop must land on the same stack, and end2D leaves modelview current.
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glColor4f(overlay.red[i], overlay.green[i], overlay.blue[i], overlay.fadeLevel[i]);
    begin2D(PASS_DEPTH);
    texture.angle = overlay.angle[i];
    if (overlay.mode[i] == MODE_FLICKER) {
        texture.drawQuad(a + offsetX, b + offsetY, 1.0f - offsetX - a, 1.0f - offsetY - b, SCREEN_WIDTH,
                         SCREEN_HEIGHT);
    } else if (overlay.mode[i] == MODE_PIECES) {
        drawPieces(texture, overlay.pieces[i], overlay.piecesShown[i]);
    } else {
        texture.drawQuad(offsetX, offsetY, 1.0f - offsetX, 1.0f - offsetY, SCREEN_WIDTH, SCREEN_HEIGHT);
    }
    end2D();
    glPopMatrix();
}

}  // namespace

FlickerShift ImageOverlay::decideFlicker() {
    // Both draws happen on every frame, shown or not, to keep the shared sequence in step.
    FlickerShift shift;
    shift.a = static_cast<float>(randomMod(10)) / 10.0f;
    shift.b = static_cast<float>(randomMod(10)) / 10.0f;
    return shift;
}

void ImageOverlay::draw() {
    draw(decideFlicker());
}

void ImageOverlay::draw(const FlickerShift& shift) {
    glDisable(GL_DEPTH_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    for (int32_t i = 0; i < count; ++i) {
        if (isDrawn(i)) drawPicture(*this, i, shift.a, shift.b);
    }
}

void ImageOverlay::leaveDrawnAngles() {
    for (int32_t i = 0; i < count; ++i) {
        if (isDrawn(i)) textures[i]->angle = angle[i];
    }
}
