// The one scene: owns every effect layer, their switches and animation, and the
// image overlay drawn on top. Re-randomised by syncAction on every camera jump.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gfx/BlendShadow.h"
#include "gfx/Shape.h"
#include "overlay/ImageOverlay.h"
#include "scene/CylinderLayers.h"
#include "scene/RgbGlow.h"

class Texture;
class TextureStore;
struct BeadDecisions;

// What one drawn frame decides at random, in the order the draw makes the draws.
struct FrameLooks {
    ElektroLooks elektro;
    float putkiTurn = 0.0f;
    FlickerShift flicker;
};

class Scene {
public:
    static constexpr int32_t BUFFER_SIZES = 5;  // square glow captures of 16, 32, ... pixels
    static constexpr int32_t LARGEST_BUFFER = 1 << (BUFFER_SIZES + 3);
    static constexpr int32_t ELEKTRO_RINGS = 20;

    explicit Scene(TextureStore& store);
    ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    void update(uint32_t dt);
    void syncAction();
    void draw();
    // Compiles palikatList and kummaList from the latest sync action's decisions.
    void compileBeadLists();
    // Whether the lists hold what the latest sync action decided (the same
    // decisions, or equal ones from a replay).
    bool beadListsCurrent();

    // The frame's draws from the random sequence, in the order draw() makes them.
    FrameLooks decideFrameLooks();
    void draw(const FrameLooks& looks);
    // All a draw does but the GL: the frame's random draws, and what drawing leaves
    // in the scene, its textures and the GL's blending (as blendAfterDraw).
    void skipDraw();
    // Only the glow's capture of this frame, as the draw would make it first, with
    // the shell of `lists` drawn directly (no list is compiled for it).
    void drawGlowCapture(const BeadDecisions& lists);

    float spinAngle = 0.0f;
    float spinSpeed = 0.3f;
    Texture* reflectTexture = nullptr;
    Texture* bufferTexture = nullptr;
    Texture* bufferTextures[BUFFER_SIZES] = {};
    int32_t bufferDetail = 0;
    Texture* elektroTextures[4] = {};
    Texture* noiseTexture = nullptr;
    std::unique_ptr<ImageOverlay> overlay;
    std::unique_ptr<Sphere> beadSphere;
    std::unique_ptr<Sphere> coreSphere;
    std::unique_ptr<Cylinder> elektroCylinder;
    std::unique_ptr<Cylinder> putkiCylinder;
    float elektroStep = 0.0f;
    float elektroAngleX[ELEKTRO_RINGS] = {};
    float elektroAngleY[ELEKTRO_RINGS] = {};
    std::unique_ptr<RgbGlow> rgbGlow;
    float rotateSpeed = 0.3f;
    GLuint palikatList = 0;
    GLuint kummaList = 0;
    bool palikatOn = false;
    bool wireframeOn = false;
    bool elektroOn = false;
    bool putkiOn = false;
    bool hohtoOn = false;
    bool kummaOn = false;
    bool rgbhohtoOn = false;
    bool lorenzOn = false;
    bool scaledOn = false;
    bool titleImagesOn = false;
    float lorenzSigma = 0.0f;
    float lorenzBeta = 0.0f;
    float lorenzRho = 0.0f;
    float lorenzStep = 0.005f;
    float lorenzX = 2.0f;
    float lorenzY = 0.0f;
    float lorenzZ = 0.0f;
    float lorenzStartX = 2.0f;
    float lorenzStartY = 0.0f;
    float lorenzStartZ = 0.0f;
    // What the latest sync action decided for the bead lists.
    std::shared_ptr<const BeadDecisions> beadDecisions;
    // While set, sync actions decide without compiling: a replay hands the GL nothing.
    bool replaying = false;
    std::shared_ptr<const BeadDecisions> compiledDecisions;  // what the lists were compiled from
    // Blending as the latest frame's binds left it, drawn or skipped.
    BlendShadow blendAfterDraw;
};
