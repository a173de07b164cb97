// What the scene is at a moment of the show: its animation, the layer switches
// and settings the script writes, the Lorenz figure's parameters, the latest sync
// action's bead decisions and the blending the latest frame left. Everything of the
// scene itself that a frame or an event changes is here, so a kept moment copies
// this one value (the fringes and the overlay keep theirs in their own objects).
// Textures, shapes and GL lists are not values of a moment: they are the scene's.
#pragma once

#include <cstdint>
#include <memory>

#include "gfx/BlendShadow.h"

class Texture;
struct BeadDecisions;

struct SceneValues {
    static constexpr int32_t ELEKTRO_RINGS = 20;

    float spinAngle = 0.0f;
    float spinSpeed = 0.3f;
    Texture* bufferTexture = nullptr;  // the capture in use, one of the scene's bufferTextures
    int32_t bufferDetail = 0;
    float elektroStep = 0.0f;
    float elektroAngleX[ELEKTRO_RINGS] = {};
    float elektroAngleY[ELEKTRO_RINGS] = {};
    float rotateSpeed = 0.3f;
    // The layer switches, each named after its keyword; the scene's layer table reaches them.
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
    // Blending as the latest frame's binds left it, drawn or skipped.
    BlendShadow blendAfterDraw;
};
