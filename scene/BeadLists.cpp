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

void setBeadLook(Sphere& bead, Texture* texture, float red, float green, float blue) {
    bead.texture = texture;
    bead.textured = true;
    bead.color[0] = red;
    bead.color[1] = green;
    bead.color[2] = blue;
}

}  // namespace

void decidePalikatBeads(const Scene& scene, float shellRadius, BeadDecisions& decisions) {
    decisions.shellRadius = shellRadius;
    decisions.reflection = scene.reflectTexture;
    decisions.capture = scene.bufferTexture;
    decisions.scaled = scene.scaledOn;
    if (decisions.scaled) {
        // Drawn z, y, x; the list leaves the stretch on the matrix by design, so every call compounds it.
        decisions.stretch[2] = static_cast<float>(randomMod(10)) / 10.0f + 1.0f;
        decisions.stretch[1] = static_cast<float>(randomMod(10)) / 10.0f + 1.0f;
        decisions.stretch[0] = static_cast<float>(randomMod(10)) / 10.0f + 1.0f;
    }
    const float angularStep = palikatAngularStep(randomMod(6));
    const int32_t stepDegrees = static_cast<int32_t>(angularStep);
    const int32_t beads = beadsPerRing(angularStep);
    float rings[SHELL_RINGS] = {};
    const int32_t ringCount = shellRingParameters(rings);
    decisions.palikat.clear();
    decisions.palikat.reserve(static_cast<size_t>(ringCount * beads));
    for (int32_t r = 0; r < ringCount; ++r) {
        for (int32_t b = 0; b < beads; ++b) {
            PalikatBead bead;
            bead.t = rings[r];
            bead.angle = static_cast<float>(b * stepDegrees);
            bead.detail = randomMod(4) + 2;
            bead.radius = static_cast<float>(randomMod(10)) / 10.0f + 0.01f;
            decisions.palikat.push_back(bead);
        }
    }
}

void decideKummaBeads(BeadDecisions& decisions) {
    float rings[SHELL_RINGS] = {};
    const int32_t ringCount = shellRingParameters(rings);
    decisions.kumma.clear();
    for (int32_t r = 0; r < ringCount; ++r) {
        for (int32_t angle = 0; angle < 360; angle += randomMod(60) + 10) {
            // Radius, then opacity, then the next angle: the order of the draws is the show's.
            KummaBead bead;
            bead.t = rings[r];
            bead.angle = static_cast<float>(angle);
            bead.radius = static_cast<float>(randomMod(5)) / 10.0f + 0.05f;
            bead.alpha = static_cast<float>(randomMod(100)) / 100.0f + 0.01f;
            decisions.kumma.push_back(bead);
        }
    }
}

void compilePalikatList(Scene& scene, const BeadDecisions& decisions) {
    glPushMatrix();
    glNewList(scene.palikatList, GL_COMPILE);
    drawPalikatShell(scene, decisions);
    glEndList();
    glPopMatrix();
}

void drawPalikatShell(Scene& scene, const BeadDecisions& decisions) {
    Sphere& bead = *scene.beadSphere;
    if (decisions.scaled) glScalef(decisions.stretch[0], decisions.stretch[1], decisions.stretch[2]);
    setBeadLook(bead, decisions.reflection, 1.0f, 1.0f, 1.0f);
    bead.color[3] = 1.0f;
    for (const PalikatBead& b : decisions.palikat) {
        bead.detail = b.detail;
        bead.radius = b.radius;
        compileBeadAt(bead, b.angle, b.t, decisions.shellRadius);
    }
    Sphere& core = *scene.coreSphere;
    Texture* const coreTexture = core.texture;
    core.texture = decisions.capture;
    core.draw();
    core.texture = coreTexture;
}

void compileKummaList(Scene& scene, const BeadDecisions& decisions) {
    Sphere& bead = *scene.beadSphere;
    glPushMatrix();
    glNewList(scene.kummaList, GL_COMPILE);
    bead.detail = 3;
    setBeadLook(bead, decisions.capture, 0.25f, 0.5f, 1.0f);
    const float kummaRadius = decisions.shellRadius * 0.75f;
    // The z stretch also lifts the rings, turning the coarse beads into long spikes.
    glScalef(1.0f, 1.0f, 25.0f);
    for (const KummaBead& b : decisions.kumma) {
        bead.radius = b.radius;
        bead.color[3] = b.alpha;
        compileBeadAt(bead, b.angle, b.t, kummaRadius);
    }
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
