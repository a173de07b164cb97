// What the overlay's pictures do at a moment of the show: shown or not, their zoom
// or flicker window, turn, tint, fade and mode, and how many pieces are revealed.
// Everything of the overlay that a frame or an event changes is here, so a kept
// moment copies this one value; the textures and the pieces' rectangles are not.
#pragma once

#include <cstdint>

enum OverlayMode : int32_t { MODE_STILL = 0, MODE_ZOOM = 1, MODE_FLICKER = 2, MODE_PIECES = 3 };
enum FadeState : int16_t { FADE_DONE = 0, FADE_IN = 1, FADE_OUT = 2, FADE_NEVER = 999 };

struct OverlayPictures {
    static constexpr int32_t MAX_IMAGES = 20;

    bool visible[MAX_IMAGES] = {};
    float offsetX[MAX_IMAGES] = {};
    float offsetY[MAX_IMAGES] = {};
    float angle[MAX_IMAGES] = {};
    float zoomSpeed = 3.59375e-05f;
    float red[MAX_IMAGES] = {};
    float green[MAX_IMAGES] = {};
    float blue[MAX_IMAGES] = {};
    float fadeLevel[MAX_IMAGES] = {};
    float fadeSpeed = 3.59375e-05f;
    int16_t fadeState[MAX_IMAGES] = {};
    int32_t mode[MAX_IMAGES] = {};
    int32_t piecesShown[MAX_IMAGES] = {};
};
