// The hohto glow: the bead shell rendered into the small capture texture, the
// screen cleared, and the capture laid over the whole screen. Always the first layer.
#pragma once

class Scene;
struct BeadDecisions;

// Runs the rgbhohto fringes too when rgbhohtoOn; they never draw without this.
void drawHohtoLayer(Scene& scene);
// The layer's first step alone: palikatList rendered into the capture texture,
// and the screen cleared after it.
void captureGlow(Scene& scene);
// The same with the shell of `lists` drawn directly instead of palikatList.
void captureGlow(Scene& scene, const BeadDecisions& lists);
