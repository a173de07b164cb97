// The elektro bands and the putki tube: open cylinders drawn directly every frame,
// with fresh random looks each time. No display lists, no state of their own.
#pragma once

class Scene;

// Three draws per band, in the order opacity, texture, height.
void drawElektroLayer(Scene& scene);
// One draw: the tube's turn about the spin axis.
void drawPutkiLayer(Scene& scene);
