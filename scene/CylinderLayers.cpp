// Draws the elektro bands and the putki tube. Each band is tilted by its own pair
// of turning angles and takes a new random opacity, texture and height per frame.
#include "scene/CylinderLayers.h"

#include <GL/gl.h>

#include <cmath>

#include "base/Random.h"
#include "scene/Scene.h"

static_assert(MAX_ELEKTRO_BANDS <= Scene::ELEKTRO_RINGS, "each band needs its own pair of tilt angles");

namespace {

void setBandLook(Scene& scene, const ElektroLooks& looks, int32_t band) {
    Cylinder& cylinder = *scene.elektroCylinder;
    const float w = std::fabs(looks.x[band]);
    cylinder.color[3] = looks.alpha[band];
    cylinder.texture = scene.elektroTextures[looks.texture[band]];
    cylinder.textured = true;
    cylinder.topRadius = (2.0f - w) * 5.0f;
    cylinder.baseRadius = cylinder.topRadius;
    cylinder.height = looks.height[band];
}

void drawElektroBand(Scene& scene, const ElektroLooks& looks, int32_t band) {
    glPushMatrix();
    glRotatef(scene.elektroAngleX[band], 1.0f, 0.0f, 0.0f);
    glRotatef(scene.elektroAngleY[band], 0.0f, 1.0f, 0.0f);
    setBandLook(scene, looks, band);
    scene.elektroCylinder->draw();
    glPopMatrix();
}

}  // namespace

void decideElektroLooks(const Scene& scene, ElektroLooks& looks) {
    looks.bands = elektroBandPositions(scene.elektroStep, looks.x);
    for (int32_t band = 0; band < looks.bands; ++band) {
        looks.alpha[band] = static_cast<float>(randomMod(25)) / 100.0f + 0.75f;
        looks.texture[band] = randomMod(4);
        looks.height[band] = static_cast<float>(randomMod(10)) / 3.0f + 1.0f;
    }
}

void drawElektroLayer(Scene& scene, const ElektroLooks& looks) {
    glPushMatrix();
    for (int32_t band = 0; band < looks.bands; ++band) drawElektroBand(scene, looks, band);
    glPopMatrix();
}

void drawElektroLayer(Scene& scene) {
    ElektroLooks looks;
    decideElektroLooks(scene, looks);
    drawElektroLayer(scene, looks);
}

void leaveLastElektroLook(Scene& scene, const ElektroLooks& looks) {
    if (looks.bands > 0) setBandLook(scene, looks, looks.bands - 1);
}

float decidePutkiTurn() {
    return static_cast<float>(randomMod(360));
}

void drawPutkiLayer(Scene& scene, float turn) {
    glPushMatrix();
    glRotatef(turn, 0.0f, 0.0f, 1.0f);
    scene.putkiCylinder->draw();
    glPopMatrix();
}
