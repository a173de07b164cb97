// Draws the elektro bands and the putki tube. Each band is tilted by its own pair
// of turning angles and takes a new random opacity, texture and height per frame.
#include "scene/CylinderLayers.h"

#include <GL/gl.h>

#include <cmath>

#include "base/Random.h"
#include "scene/ElektroBands.h"
#include "scene/Scene.h"

static_assert(MAX_ELEKTRO_BANDS <= Scene::ELEKTRO_RINGS, "each band needs its own pair of tilt angles");

namespace {

void drawElektroBand(Scene& scene, int32_t band, float x) {
    Cylinder& cylinder = *scene.elektroCylinder;
    const float w = std::fabs(x);
    glPushMatrix();
    glRotatef(scene.elektroAngleX[band], 1.0f, 0.0f, 0.0f);
    glRotatef(scene.elektroAngleY[band], 0.0f, 1.0f, 0.0f);
    cylinder.color[3] = static_cast<float>(randomMod(25)) / 100.0f + 0.75f;
    cylinder.texture = scene.elektroTextures[randomMod(4)];
    cylinder.textured = true;
    cylinder.topRadius = (2.0f - w) * 5.0f;
    cylinder.baseRadius = cylinder.topRadius;
    cylinder.height = static_cast<float>(randomMod(10)) / 3.0f + 1.0f;
    cylinder.draw();
    glPopMatrix();
}

}  // namespace

void drawElektroLayer(Scene& scene) {
    float positions[MAX_ELEKTRO_BANDS] = {};
    const int32_t bands = elektroBandPositions(scene.elektroStep, positions);
    glPushMatrix();
    for (int32_t band = 0; band < bands; ++band) drawElektroBand(scene, band, positions[band]);
    glPopMatrix();
}

void drawPutkiLayer(Scene& scene) {
    glPushMatrix();
    glRotatef(static_cast<float>(randomMod(360)), 0.0f, 0.0f, 1.0f);
    scene.putkiCylinder->draw();
    glPopMatrix();
}
