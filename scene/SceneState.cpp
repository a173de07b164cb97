// Copying the scene's changing fields out and back in.
#include "scene/SceneState.h"

#include <algorithm>
#include <iterator>

#include "gfx/Texture.h"

namespace {

constexpr int32_t SWITCHES = 10;
using SceneSwitch = bool Scene::*;
constexpr SceneSwitch SWITCH_FIELDS[SWITCHES] = {
    &Scene::palikatOn, &Scene::wireframeOn, &Scene::elektroOn, &Scene::putkiOn,  &Scene::hohtoOn,
    &Scene::kummaOn,   &Scene::rgbhohtoOn,  &Scene::lorenzOn,  &Scene::scaledOn, &Scene::titleImagesOn};

constexpr int32_t LORENZ_VALUES = 10;
using SceneFloat = float Scene::*;
constexpr SceneFloat LORENZ_FIELDS[LORENZ_VALUES] = {
    &Scene::lorenzSigma,  &Scene::lorenzBeta,  &Scene::lorenzRho, &Scene::lorenzStep,
    &Scene::lorenzX,      &Scene::lorenzY,     &Scene::lorenzZ,   &Scene::lorenzStartX,
    &Scene::lorenzStartY, &Scene::lorenzStartZ};

// A new field in Scene must be added to the copy below; this stops the build until it is.
static_assert(sizeof(Scene) == 440, "Scene changed: update SceneState");

struct CylinderLook {
    float alpha = 1.0f;
    Texture* texture = nullptr;
    bool textured = false;
    float topRadius = 1.0f;
    float baseRadius = 1.0f;
    float height = 1.0f;
};

}  // namespace

struct SceneState::Fields {
    explicit Fields(const Scene& scene) : overlay(*scene.overlay), glow(*scene.rgbGlow) {}

    float spinAngle = 0.0f;
    float spinSpeed = 0.0f;
    float rotateSpeed = 0.0f;
    Texture* bufferTexture = nullptr;
    int32_t bufferDetail = 0;
    float elektroStep = 0.0f;
    float elektroAngleX[Scene::ELEKTRO_RINGS] = {};
    float elektroAngleY[Scene::ELEKTRO_RINGS] = {};
    bool switches[SWITCHES] = {};
    float lorenz[LORENZ_VALUES] = {};
    std::shared_ptr<const BeadDecisions> beadDecisions;
    BlendShadow blendAfterDraw;
    Texture* coreTexture = nullptr;
    bool coreTextured = false;
    CylinderLook elektroLook;
    ImageOverlay overlay;
    RgbGlow glow;
    std::vector<float> textureAngles;  // the capture textures', then the overlay pictures'
};

namespace {

// The textures whose angle a draw changes: the captures (the fringes) and the pictures.
std::vector<Texture*> turnedTextures(const Scene& scene) {
    std::vector<Texture*> textures(std::begin(scene.bufferTextures), std::end(scene.bufferTextures));
    const ImageOverlay& overlay = *scene.overlay;
    textures.insert(textures.end(), overlay.textures, overlay.textures + overlay.count);
    return textures;
}

CylinderLook lookOf(const Cylinder& cylinder) {
    return {cylinder.color[3],  cylinder.texture,    cylinder.textured,
            cylinder.topRadius, cylinder.baseRadius, cylinder.height};
}

void setLook(Cylinder& cylinder, const CylinderLook& look) {
    cylinder.color[3] = look.alpha;
    cylinder.texture = look.texture;
    cylinder.textured = look.textured;
    cylinder.topRadius = look.topRadius;
    cylinder.baseRadius = look.baseRadius;
    cylinder.height = look.height;
}

}  // namespace

SceneState::SceneState(const Scene& scene) {
    auto f = std::make_shared<Fields>(scene);
    f->spinAngle = scene.spinAngle;
    f->spinSpeed = scene.spinSpeed;
    f->rotateSpeed = scene.rotateSpeed;
    f->bufferTexture = scene.bufferTexture;
    f->bufferDetail = scene.bufferDetail;
    f->elektroStep = scene.elektroStep;
    std::copy(std::begin(scene.elektroAngleX), std::end(scene.elektroAngleX), f->elektroAngleX);
    std::copy(std::begin(scene.elektroAngleY), std::end(scene.elektroAngleY), f->elektroAngleY);
    for (int32_t i = 0; i < SWITCHES; ++i) f->switches[i] = scene.*SWITCH_FIELDS[i];
    for (int32_t i = 0; i < LORENZ_VALUES; ++i) f->lorenz[i] = scene.*LORENZ_FIELDS[i];
    f->beadDecisions = scene.beadDecisions;
    f->blendAfterDraw = scene.blendAfterDraw;
    f->coreTexture = scene.coreSphere->texture;
    f->coreTextured = scene.coreSphere->textured;
    f->elektroLook = lookOf(*scene.elektroCylinder);
    for (const Texture* texture : turnedTextures(scene))
        f->textureAngles.push_back(texture != nullptr ? texture->angle : 0.0f);
    fields_ = std::move(f);
}

void SceneState::restore(Scene& scene) const {
    const Fields& f = *fields_;
    scene.spinAngle = f.spinAngle;
    scene.spinSpeed = f.spinSpeed;
    scene.rotateSpeed = f.rotateSpeed;
    scene.bufferTexture = f.bufferTexture;
    scene.bufferDetail = f.bufferDetail;
    scene.elektroStep = f.elektroStep;
    std::copy(std::begin(f.elektroAngleX), std::end(f.elektroAngleX), scene.elektroAngleX);
    std::copy(std::begin(f.elektroAngleY), std::end(f.elektroAngleY), scene.elektroAngleY);
    for (int32_t i = 0; i < SWITCHES; ++i) scene.*SWITCH_FIELDS[i] = f.switches[i];
    for (int32_t i = 0; i < LORENZ_VALUES; ++i) scene.*LORENZ_FIELDS[i] = f.lorenz[i];
    scene.beadDecisions = f.beadDecisions;
    scene.blendAfterDraw = f.blendAfterDraw;
    scene.coreSphere->texture = f.coreTexture;
    scene.coreSphere->textured = f.coreTextured;
    setLook(*scene.elektroCylinder, f.elektroLook);
    // The pieces come from coords.txt, not from the frames: they stay as loaded.
    PieceSet pieces[ImageOverlay::MAX_IMAGES];
    std::copy(std::begin(scene.overlay->pieces), std::end(scene.overlay->pieces), pieces);
    *scene.overlay = f.overlay;
    std::copy(std::begin(pieces), std::end(pieces), scene.overlay->pieces);
    *scene.rgbGlow = f.glow;
    const std::vector<Texture*> textures = turnedTextures(scene);
    for (size_t i = 0; i < textures.size() && i < f.textureAngles.size(); ++i) {
        if (textures[i] != nullptr) textures[i]->angle = f.textureAngles[i];
    }
}
