// The picture families of the show, each painted for the way the player draws it.
// Most are added onto the scene (black is transparent, brightness is opacity).
// Nothing here writes files; PictureSet.cpp names and saves them.
#pragma once

#include "generator/Raster.h"
#include "generator/TextRenderer.h"

constexpr int SCREEN_WIDTH = 640;
constexpr int SCREEN_HEIGHT = 480;

constexpr int TITLE_LOOKS = 5;
constexpr int ELEKTRO_VARIANTS = 4;

// Fine grain that tiles seamlessly; also serves as its own alpha mask.
Mask makeNoiseTexture();
// A bright studio environment as a sphere map, for the reflective beads.
Canvas makeReflectTexture();
// Horizontal electric bolts that wrap around a cylinder (tile along x). variant 0..3.
Canvas makeElektroTexture(int variant);
// The show's name in one of five looks. look 0..4.
Canvas makeTitleCard(TextRenderer& text, int look);
// The makers' emblem and name.
Canvas makeLogoCard(TextRenderer& text);

// The dark banner shown through its own mask: letters are windows onto the scene.
struct CutoutBanner {
    Canvas picture;
    Mask mask;
};
CutoutBanner makeCutoutBanner(TextRenderer& text);
