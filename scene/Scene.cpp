// The scene's lifecycle: construction, teardown, the per-frame update, the sync
// action that re-randomises everything, and the fixed order of the layers in a draw.
// The layers themselves live in their own files.
#include "scene/Scene.h"

#include <GL/gl.h>

#include <algorithm>

#include "base/Random.h"
#include "gfx/Texture.h"
#include "gfx/TextureStore.h"
#include "scene/BeadLists.h"
#include "scene/ScenePictures.h"

namespace {

// A skipped picture is a texture that is never drawn: the layers that would draw it never come on.
Texture* loadPicture(TextureStore& store, const ShowPicture& picture) {
    if (picture.skipped) return store.create(1, 1, 4, GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    return store.load(picture.file.c_str(), picture.mask.c_str(), GL_TEXTURE_2D, TEX_NO_TRILINEAR);
}

void setColor(Shape& shape, float red, float green, float blue) {
    shape.color[0] = red;
    shape.color[1] = green;
    shape.color[2] = blue;
}

void buildCoreSphere(Scene& scene) {
    scene.coreSphere = std::make_unique<Sphere>();
    Sphere& core = *scene.coreSphere;
    core.texture = scene.bufferTexture;
    core.textured = true;
    core.radius = 5.0f;
    core.color[3] = 0.5f;
    setColor(core, 1.0f, 0.5f, 0.0f);
}

void buildElektroCylinder(Scene& scene) {
    scene.elektroCylinder = std::make_unique<Cylinder>();
    scene.elektroCylinder->height = 1.1f;
    setColor(*scene.elektroCylinder, 0.8f, 0.9f, 1.0f);
}

void buildPutkiCylinder(Scene& scene) {
    scene.putkiCylinder = std::make_unique<Cylinder>();
    Cylinder& tube = *scene.putkiCylinder;
    tube.texture = scene.noiseTexture;
    tube.textured = true;
    tube.height = 10000.0f;
    tube.topRadius = 2.0f;
    tube.baseRadius = 2.0f;
    setColor(tube, 0.0f, 0.5f, 1.0f);
    tube.color[3] = 0.5f;
}

void resetAnimation(Scene& scene) {
    for (int32_t i = 0; i < Scene::ELEKTRO_RINGS; ++i) {
        scene.elektroAngleX[i] = 18.0f * static_cast<float>(i);
        scene.elektroAngleY[i] = 18.0f * static_cast<float>(i);
    }
    scene.spinAngle = 0.0f;
    scene.rotateSpeed = 0.3f;
    scene.spinSpeed = 0.3f;
    scene.lorenzStartX = scene.lorenzX = 2.0f;
    scene.lorenzStartY = scene.lorenzY = scene.lorenzStartZ = scene.lorenzZ = 0.0f;
    scene.lorenzSigma = scene.lorenzBeta = scene.lorenzRho = scene.lorenzStep = 0.0f;
}

// An index out of range would read past the five capture textures; the nearest
// size is the sound reading of such a request.
Texture* captureTextureFor(const Scene& scene) {
    return scene.bufferTextures[std::clamp(scene.bufferDetail, 0, Scene::BUFFER_SIZES - 1)];
}

void randomizeLorenz(Scene& scene) {
    scene.lorenzSigma = static_cast<float>(randomMod(100)) / 20.0f + 8.0f;
    scene.lorenzBeta = static_cast<float>(randomMod(60)) / 10.0f + 1.0f;
    scene.lorenzRho = static_cast<float>(randomMod(300)) / 10.0f + 40.0f;
    scene.lorenzStep = 0.005f;
    scene.lorenzStartX = static_cast<float>(randomMod(3));
    scene.lorenzStartY = static_cast<float>(randomMod(3));
    scene.lorenzStartZ = static_cast<float>(randomMod(3));
}

void chooseTitle(ImageOverlay& overlay) {
    for (int32_t i = 0; i < TITLE_COUNT; ++i) overlay.visible[TITLE_FIRST + i] = false;
    overlay.visible[TITLE_FIRST + randomMod(TITLE_COUNT)] = true;
}

void turnElektroRings(Scene& scene, double dt) {
    for (int32_t i = 0; i < Scene::ELEKTRO_RINGS; ++i) {
        scene.elektroAngleX[i] = static_cast<float>(scene.elektroAngleX[i] + (0.005 * i) * dt);
        scene.elektroAngleY[i] = static_cast<float>(scene.elektroAngleY[i] + (0.006 * i) * dt);
    }
}

void driftLorenz(Scene& scene, double dt) {
    scene.lorenzSigma = static_cast<float>(scene.lorenzSigma + 0.000011 * dt);
    scene.lorenzBeta = static_cast<float>(scene.lorenzBeta + 0.000012 * dt);
    scene.lorenzRho = static_cast<float>(scene.lorenzRho + 0.000013 * dt);
    scene.lorenzStartX = static_cast<float>(scene.lorenzStartX + 0.000014 * dt);
    scene.lorenzStartY = static_cast<float>(scene.lorenzStartY + 0.000015 * dt);
    scene.lorenzStartZ = static_cast<float>(scene.lorenzStartZ + 0.000016 * dt);
}

// A kick from syncAction decays linearly and rests at a tenth of rotateSpeed.
void spin(Scene& scene, double dt) {
    scene.spinAngle = static_cast<float>(scene.spinAngle + dt * scene.spinSpeed);
    const float restingSpeed = scene.rotateSpeed / 10.0f;
    if (scene.spinSpeed > restingSpeed) {
        scene.spinSpeed = static_cast<float>(scene.spinSpeed - dt * scene.rotateSpeed / 100.0);
    }
    if (scene.spinSpeed < restingSpeed) scene.spinSpeed = restingSpeed;
}

}  // namespace

Scene::Scene(TextureStore& store) : Scene(store, usualShowPictures()) {}

Scene::Scene(TextureStore& store, const ShowPictures& pictures) {
    rgbGlow = std::make_unique<RgbGlow>(loadPicture(store, pictures.scene[PICTURE_GLOW_START]));
    noiseTexture = loadPicture(store, pictures.scene[PICTURE_NOISE]);
    reflectTexture = loadPicture(store, pictures.scene[PICTURE_REFLECTION]);
    for (int32_t k = 0; k < 4; ++k)
        elektroTextures[k] = loadPicture(store, pictures.scene[PICTURE_ELEKTRO_FIRST + k]);
    for (Texture* texture : elektroTextures) texture->useAdditiveBlend();
    for (int32_t i = 0; i < BUFFER_SIZES; ++i) {
        const int32_t size = 1 << (i + 4);
        bufferTextures[i] = store.create(size, size, 4, GL_TEXTURE_2D, TEX_NO_TRILINEAR);
        bufferTextures[i]->useAdditiveBlend();
    }
    bufferTexture = bufferTextures[0];
    bufferDetail = 0;
    rgbGlow->texture = bufferTexture;
    beadSphere = std::make_unique<Sphere>();
    buildCoreSphere(*this);
    buildElektroCylinder(*this);
    noiseTexture->useAdditiveBlend();
    buildPutkiCylinder(*this);
    std::vector<PictureLoad> overlayLoads;
    for (const ShowPicture& picture : pictures.overlay)
        overlayLoads.push_back(picture.skipped ? PictureLoad{} : picture.load());
    overlay = std::make_unique<ImageOverlay>(store, overlayLoads);
    overlay->fadeLevel[0] = 0.15f;
    overlay->mode[0] = MODE_FLICKER;
    palikatOn = wireframeOn = elektroOn = putkiOn = hohtoOn = false;
    kummaOn = rgbhohtoOn = lorenzOn = scaledOn = titleImagesOn = false;
    resetAnimation(*this);
    syncAction();
}

Scene::~Scene() {
    rgbGlow.reset();
    beadSphere.reset();
    coreSphere.reset();
    elektroCylinder.reset();
    putkiCylinder.reset();
    overlay.reset();
    if (palikatList != 0) glDeleteLists(palikatList, 2);
}

void Scene::update(uint32_t dt) {
    const double elapsed = dt;
    spin(*this, elapsed);
    rgbGlow->jitter(dt);
    overlay->update(dt);
    turnElektroRings(*this, elapsed);
    driftLorenz(*this, elapsed);
}

void Scene::syncAction() {
    bufferTexture = captureTextureFor(*this);
    rgbGlow->texture = bufferTexture;
    coreSphere->texture = bufferTexture;
    coreSphere->textured = true;
    reflectTexture->sphereMap = true;
    reflectTexture->useAdditiveBlend();
    const float shellRadius = static_cast<float>(randomMod(20)) / 10.0f + 4.0f;
    auto decisions = std::make_shared<BeadDecisions>();
    decidePalikatBeads(*this, shellRadius, *decisions);
    decideKummaBeads(*decisions);
    beadDecisions = std::move(decisions);
    if (!replaying) compileBeadLists();
    spinSpeed = rotateSpeed;
    spinAngle += 45.0f;
    elektroStep = static_cast<float>(randomMod(7)) / 10.0f + 0.35f;
    rgbGlow->randomize();
    overlay->randomize();
    randomizeLorenz(*this);
    if (titleImagesOn) chooseTitle(*overlay);
}

// Compiles a fresh pair of lists and only then frees the previous pair, so the new
// names never reuse the old ones and list memory stays flat over a long show.
bool Scene::beadListsCurrent() {
    if (compiledDecisions == beadDecisions) return true;
    if (compiledDecisions == nullptr || beadDecisions == nullptr || !(*compiledDecisions == *beadDecisions))
        return false;
    compiledDecisions = beadDecisions;  // equal: the lists hold them already
    return true;
}

void Scene::compileBeadLists() {
    if (beadDecisions == nullptr) return;
    const GLuint previous = palikatList;
    palikatList = glGenLists(2);
    kummaList = palikatList + 1;
    compilePalikatList(*this, *beadDecisions);
    compileKummaList(*this, *beadDecisions);
    compiledDecisions = beadDecisions;
    if (previous != 0) glDeleteLists(previous, 2);
}
