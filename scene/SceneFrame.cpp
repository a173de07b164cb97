// One frame of the scene: what it decides at random, the fixed order of the layers
// in a draw, and what a draw leaves behind (texture angles, the Lorenz end point,
// the cylinder's look, the GL's blending), which a skipped draw leaves the same.
#include <GL/gl.h>

#include "gfx/Texture.h"
#include "scene/BeadLists.h"
#include "scene/CylinderLayers.h"
#include "scene/GlowLayer.h"
#include "scene/LorenzLayer.h"
#include "scene/Scene.h"

namespace {

void beginSceneDraw(const Scene& scene) {
    glDisable(GL_DEPTH_TEST);
    glPushMatrix();
    glRotatef(scene.spinAngle, 0.0f, 0.0f, 1.0f);
    glPolygonMode(GL_FRONT, GL_FILL);
    glPolygonMode(GL_BACK, GL_FILL);
}

// The binds a call of palikatList makes: every bead's reflection, then the core sphere's capture.
void followPalikatList(BlendShadow& blend, const BeadDecisions* decisions) {
    if (decisions == nullptr) return;
    if (!decisions->palikat.empty()) blend.follow(decisions->reflection);
    blend.follow(decisions->capture);
}

void followKummaList(BlendShadow& blend, const BeadDecisions* decisions) {
    if (decisions != nullptr && !decisions->kumma.empty()) blend.follow(decisions->capture);
}

// The textures the draw binds, layer by layer in draw order; blending ends as the
// last of them left it. Kept beside draw() because it must follow its order.
void followFrameBinds(Scene& scene, const FrameLooks& looks) {
    BlendShadow& blend = scene.blendAfterDraw;
    const BeadDecisions* lists = scene.beadDecisions.get();
    if (scene.hohtoOn) {
        followPalikatList(blend, lists);
        blend.follow(scene.bufferTexture);
        if (scene.rgbhohtoOn) blend.follow(scene.rgbGlow->texture);
    }
    if (scene.elektroOn) {
        for (int32_t band = 0; band < looks.elektro.bands; ++band)
            blend.follow(scene.elektroTextures[looks.elektro.texture[band]]);
    }
    if (scene.putkiOn && scene.putkiCylinder->textured) blend.follow(scene.putkiCylinder->texture);
    if (scene.palikatOn) followPalikatList(blend, lists);
    if (scene.kummaOn) followKummaList(blend, lists);
    if (scene.wireframeOn) followPalikatList(blend, lists);
    const ImageOverlay& overlay = *scene.overlay;
    for (int32_t i = 0; i < overlay.count; ++i) {
        if (overlay.isDrawn(i)) blend.follow(overlay.textures[i]);
    }
}

}  // namespace

FrameLooks Scene::decideFrameLooks() {
    FrameLooks looks;
    if (elektroOn) decideElektroLooks(*this, looks.elektro);
    if (putkiOn) looks.putkiTurn = decidePutkiTurn();
    looks.flicker = overlay->decideFlicker();
    return looks;
}

void Scene::draw() {
    draw(decideFrameLooks());
}

void Scene::draw(const FrameLooks& looks) {
    beginSceneDraw(*this);
    // The glow's capture clears the screen, so it must come before every other layer.
    if (hohtoOn) drawHohtoLayer(*this);
    if (elektroOn) drawElektroLayer(*this, looks.elektro);
    if (putkiOn) drawPutkiLayer(*this, looks.putkiTurn);
    if (palikatOn) drawPalikatLayer(*this);
    if (kummaOn) drawKummaLayer(*this);
    if (wireframeOn) drawWireframeLayer(*this);
    if (lorenzOn) drawLorenzLayer(*this);
    overlay->draw(looks.flicker);
    glPopMatrix();
    followFrameBinds(*this, looks);
}

void Scene::skipDraw() {
    const FrameLooks looks = decideFrameLooks();
    // The fringes leave the blue copy's angle on the capture, for the next hohto quad.
    if (hohtoOn && rgbhohtoOn) rgbGlow->texture->angle = rgbGlow->offsetR;
    if (elektroOn) leaveLastElektroLook(*this, looks.elektro);
    if (lorenzOn) {
        LorenzPoints points;
        traceLorenz(*this, points);
    }
    overlay->leaveDrawnAngles();
    followFrameBinds(*this, looks);
}

void Scene::drawGlowCapture(const BeadDecisions& lists) {
    beginSceneDraw(*this);
    captureGlow(*this, lists);
    glPopMatrix();
}
