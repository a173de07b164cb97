// The rgbhohto fringes: red, green and blue copies of the glow capture, each
// shifted by its own tiny offset. Owns no texture; the scene hands it the capture.
#include "scene/RgbGlow.h"

#include <GL/gl.h>

#include "base/Random.h"
#include "gfx/Draw2D.h"
#include "gfx/Texture.h"
#include "gfx/TextureStore.h"

namespace {

void drawTintedCopy(Texture& texture, float offset, float red, float green, float blue) {
    glColor4f(red, green, blue, 1.0f);
    texture.drawQuad(offset, offset, 1.0f + offset, 1.0f + offset, static_cast<float>(SCREEN_WIDTH),
                     static_cast<float>(SCREEN_HEIGHT));
}

float offsetDraw() {
    return static_cast<float>(randomMod(11)) / 1000.0f;
}

}  // namespace

RgbGlow::RgbGlow(Texture* start) : texture(start) {
    texture->useAdditiveBlend();
}

void RgbGlow::jitter(uint32_t /*dt*/) {
    offsetR = offsetDraw() - 0.01f;
    offsetG = offsetDraw() - 0.005f;
    offsetB = offsetDraw();
}

void RgbGlow::randomize() {
    const float v = static_cast<float>(randomMod(11)) / 10.0f - 0.5f;
    offsetR = v;
    offsetG = v + 0.02f;
    offsetB = v - 0.02f;
}

void RgbGlow::draw() {
    glPushMatrix();
    begin2D(-10000.0f);
    // Red and blue turn against each other; the angle left here also turns the
    // next frame's hohto quad, which shares this texture.
    texture->angle = -offsetR;
    drawTintedCopy(*texture, offsetR, 1.0f, 0.0f, 0.0f);
    texture->angle = 0.0f;
    drawTintedCopy(*texture, offsetG, 0.0f, 1.0f, 0.0f);
    texture->angle = offsetR;
    drawTintedCopy(*texture, offsetB, 0.0f, 0.0f, 1.0f);
    end2D();
    glPopMatrix();
}
