// The demo as the shell sees it: start, one update and one draw per frame, stop.
#pragma once

#include <cstdint>

struct GLWindow;
struct KeyState;

bool demoInit(GLWindow& window, KeyState& keys);
void demoUpdate(uint32_t dt);
void demoDraw();
void demoShutdown();
