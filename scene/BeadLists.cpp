// Compiles the two bead-shell display lists and draws the three layers that call
// them. The lists record the bead sphere's state at compile time, bead by bead.
#include "scene/BeadLists.h"

#include <GL/gl.h>

#include <cmath>

#include "base/Random.h"
#include "scene/Scene.h"
#include "scene/ShellRings.h"

namespace {

// A bead on ring t of a shell of radius `shell`, turned `angle` degrees about z.
void compileBeadAt(Sphere& bead, float angle, float t, float shell) {
    const float ringRadius = static_cast<float>(std::cos(std::asin(static_cast<double>(t))) * shell);
    glPushMatrix();
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    glTranslatef(ringRadius, 0.0f, t * shell);
    bead.draw();
    glPopMatrix();
}

// Optional random stretch of the whole shell; drawn z, y, x and left on the matrix
// by design, so every call of the list compounds it.
void compileShellScale() {
    const float z = static_cast<float>(randomMod(10)) / 10.0f + 1.0f;
    const float y = static_cast<float>(randomMod(10)) / 10.0f + 1.0f;
    const float x = static_cast<float>(randomMod(10)) / 10.0f + 1.0f;
    glScalef(x, y, z);
}

void compilePalikatRing(Sphere& bead, float t, float shell, float angularStep) {
    const int32_t stepDegrees = static_cast<int32_t>(angularStep);
    const int32_t beads = beadsPerRing(angularStep);
    for (int32_t b = 0; b < beads; ++b) {
        bead.detail = randomMod(4) + 2;
        bead.radius = static_cast<float>(randomMod(10)) / 10.0f + 0.01f;
        compileBeadAt(bead, static_cast<float>(b * stepDegrees), t, shell);
    }
}

void compileKummaRing(Sphere& bead, float t, float shell) {
    for (int32_t angle = 0; angle < 360; angle += randomMod(60) + 10) {
        // Radius, then opacity, then the next angle: the order of the draws is the show's.
        bead.radius = static_cast<float>(randomMod(5)) / 10.0f + 0.05f;
        bead.color[3] = static_cast<float>(randomMod(100)) / 100.0f + 0.01f;
        compileBeadAt(bead, static_cast<float>(angle), t, shell);
    }
}

void setBeadLook(Sphere& bead, Texture* texture, float red, float green, float blue) {
    bead.texture = texture;
    bead.textured = true;
    bead.color[0] = red;
    bead.color[1] = green;
    bead.color[2] = blue;
}

}  // namespace

void compilePalikatList(Scene& scene, float shellRadius) {
    Sphere& bead = *scene.beadSphere;
    glPushMatrix();
    glNewList(scene.palikatList, GL_COMPILE);
    if (scene.scaledOn) compileShellScale();
    setBeadLook(bead, scene.reflectTexture, 1.0f, 1.0f, 1.0f);
    bead.color[3] = 1.0f;
    const float angularStep = palikatAngularStep(randomMod(6));
    float rings[SHELL_RINGS] = {};
    const int32_t ringCount = shellRingParameters(rings);
    for (int32_t r = 0; r < ringCount; ++r) compilePalikatRing(bead, rings[r], shellRadius, angularStep);
    scene.coreSphere->draw();
    glEndList();
    glPopMatrix();
}

void compileKummaList(Scene& scene, float shellRadius) {
    Sphere& bead = *scene.beadSphere;
    glPushMatrix();
    glNewList(scene.kummaList, GL_COMPILE);
    bead.detail = 3;
    setBeadLook(bead, scene.bufferTexture, 0.25f, 0.5f, 1.0f);
    const float kummaRadius = shellRadius * 0.75f;
    // The z stretch also lifts the rings, turning the coarse beads into long spikes.
    glScalef(1.0f, 1.0f, 25.0f);
    float rings[SHELL_RINGS] = {};
    const int32_t ringCount = shellRingParameters(rings);
    for (int32_t r = 0; r < ringCount; ++r) compileKummaRing(bead, rings[r], kummaRadius);
    glEndList();
    glPopMatrix();
}

void drawPalikatLayer(const Scene& scene) {
    glCallList(scene.palikatList);
}

void drawKummaLayer(const Scene& scene) {
    glPushMatrix();
    glRotatef(scene.spinAngle * 3.0f, 0.0f, 0.0f, 1.0f);
    glCallList(scene.kummaList);
    glPopMatrix();
}

void drawWireframeLayer(const Scene& scene) {
    glPolygonMode(GL_FRONT, GL_LINE);
    glPolygonMode(GL_BACK, GL_LINE);
    glScalef(1.1f, 1.1f, 1.1f);
    glCallList(scene.palikatList);
    glScalef(1.2f, 1.2f, 1.2f);
    glCallList(scene.palikatList);
}
