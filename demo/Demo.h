// The demo as the shell sees it: start, one update and one draw per frame, stop.
#pragma once

#include <cstdint>

#include "demo/ShellServices.h"

class VirtualClock;
struct BeadDecisions;
struct PictureArea;

// What runs the show: the shell's services, and the song's clock (null: the song
// as heard on the sound output; else this virtual clock, no sound device).
struct DemoHost {
    ShellServices* shell = nullptr;
    VirtualClock* songClock = nullptr;
};

bool demoInit(GLWindow& window, KeyState& keys, const DemoHost& host);
void demoUpdate(uint32_t dt);
void demoDraw();
void demoShutdown();

// All demoDraw does but the GL: the frame's random draws and what drawing leaves
// in the scene. A replay runs demoUpdate and this to reach a moment exactly.
void demoSkipDraw();
// The start of demoDraw up to the glow's capture of this frame, and no further,
// with the bead shell of `lists` drawn directly.
void demoDrawGlowCapture(const BeadDecisions& lists);

// The GL state and projection demoInit sets for the show, for code that draws
// the scene without the whole driver.
void setDemoGlState(const GLWindow& window);
// Moves the running show's picture to `area` of its window (resized, or the editor's
// panels shown or hidden), with the projection of the picture's own shape.
void demoPlacePicture(const GLWindow& window, const PictureArea& area);
