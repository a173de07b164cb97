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
#include "scene/SceneValues.h"

class Texture;
class TextureStore;
struct BeadDecisions;

// What one drawn frame decides at random, in the order the draw makes the draws.
struct FrameLooks {
    ElektroLooks elektro;
    float putkiTurn = 0.0f;
    FlickerShift flicker;
};

// The scene's changing fields are its SceneValues; what it adds to them is made
// once, at construction (textures, shapes, the overlay, the fringes), or is the GL's.
struct ShowPictures;

class Scene : public SceneValues {
public:
    static constexpr int32_t BUFFER_SIZES = 5;  // square glow captures of 16, 32, ... pixels
    static constexpr int32_t LARGEST_BUFFER = 1 << (BUFFER_SIZES + 3);

    // Every picture by its usual file.
    explicit Scene(TextureStore& store);
    // The pictures of `pictures`, the overlay's included.
    Scene(TextureStore& store, const ShowPictures& pictures);
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

    SceneValues& values() { return *this; }
    const SceneValues& values() const { return *this; }

    Texture* reflectTexture = nullptr;
    Texture* bufferTextures[BUFFER_SIZES] = {};
    Texture* elektroTextures[4] = {};
    Texture* noiseTexture = nullptr;
    std::unique_ptr<ImageOverlay> overlay;
    std::unique_ptr<Sphere> beadSphere;
    std::unique_ptr<Sphere> coreSphere;
    std::unique_ptr<Cylinder> elektroCylinder;
    std::unique_ptr<Cylinder> putkiCylinder;
    std::unique_ptr<RgbGlow> rgbGlow;
    GLuint palikatList = 0;
    GLuint kummaList = 0;
    // While set, sync actions decide without compiling: a replay hands the GL nothing.
    bool replaying = false;
    std::shared_ptr<const BeadDecisions> compiledDecisions;  // what the lists were compiled from
};
