// The 2D pass: drawing in a fixed 640 x 480 space, origin top left, y down.
// Passes nest; each holds one level of the projection and modelview stacks.
#pragma once

constexpr int SCREEN_WIDTH = 640;
constexpr int SCREEN_HEIGHT = 480;

void begin2D(float depth);
// Leaves the modelview matrix current.
void end2D();
