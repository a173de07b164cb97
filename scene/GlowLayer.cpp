// The hohto layer: capture palikatList into bufferTexture as greyscale, then draw
// it full screen additively. Its clear would erase any earlier layer of the frame.
#include "scene/GlowLayer.h"

#include <GL/gl.h>

#include "gfx/Draw2D.h"
#include "gfx/Texture.h"
#include "scene/BeadLists.h"
#include "scene/Scene.h"

void captureGlow(Scene& scene) {
    Texture& capture = *scene.bufferTexture;
    capture.beginCapture(GL_LUMINANCE);
    // Called whether or not palikat is on; a scaled list leaves its scale behind.
    glCallList(scene.palikatList);
    capture.endCapture();
}

void captureGlow(Scene& scene, const BeadDecisions& lists) {
    Texture& capture = *scene.bufferTexture;
    capture.beginCapture(GL_LUMINANCE);
    glPushMatrix();  // as a list call would not, the shell's stretch stays inside
    drawPalikatShell(scene, lists);
    glPopMatrix();
    capture.endCapture();
}

void drawHohtoLayer(Scene& scene) {
    Texture& capture = *scene.bufferTexture;
    captureGlow(scene);
    begin2D(-10000.0f);
    // Tinted by the colour the list left: the core sphere's half-strength orange.
    capture.drawQuad(0.0f, 0.0f, 1.0f, 1.0f, static_cast<float>(SCREEN_WIDTH),
                     static_cast<float>(SCREEN_HEIGHT));
    end2D();
    if (scene.rgbhohtoOn) scene.rgbGlow->draw();
}
