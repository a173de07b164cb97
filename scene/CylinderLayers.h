// The elektro bands and the putki tube: open cylinders drawn directly every frame,
// with fresh random looks each time. What a frame decides at random is taken
// apart from drawing it, so that a replay can make the draws without the GL.
#pragma once

#include <cstdint>

#include "scene/ElektroBands.h"

class Scene;

// The elektro layer's looks for one frame: band positions and, per band, the
// opacity, texture and height drawn for it.
struct ElektroLooks {
    int32_t bands = 0;
    float x[MAX_ELEKTRO_BANDS] = {};
    float alpha[MAX_ELEKTRO_BANDS] = {};
    int32_t texture[MAX_ELEKTRO_BANDS] = {};
    float height[MAX_ELEKTRO_BANDS] = {};
};

// Three draws per band, in the order opacity, texture, height.
void decideElektroLooks(const Scene& scene, ElektroLooks& looks);
void drawElektroLayer(Scene& scene, const ElektroLooks& looks);
void drawElektroLayer(Scene& scene);
// What drawing the bands leaves in the scene's cylinder: the last band's look.
void leaveLastElektroLook(Scene& scene, const ElektroLooks& looks);

// One draw: the tube's turn about the spin axis.
float decidePutkiTurn();
void drawPutkiLayer(Scene& scene, float turn);
