// The 2D pass: a 640 x 480 orthographic space, origin top left, y down.
// Each pass pushes one projection and one modelview matrix; nothing else changes.
#include "gfx/Draw2D.h"

#include <GL/gl.h>

void begin2D(float depth) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, SCREEN_WIDTH, SCREEN_HEIGHT, 0, depth, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

void end2D() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}
