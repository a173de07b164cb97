// Where the show's 4:3 picture lies in a frame of any size: scaled to fit, centred,
// with black bars where the frame is wider or taller. Process-wide, like the driver's
// state; a 640 x 480 frame is the picture itself and sets no GL state at all.
#pragma once

#include <cstdint>

#include "gfx/Draw2D.h"

struct PictureArea {
    // The picture's lower-left corner and size in framebuffer pixels.
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = SCREEN_WIDTH;
    int32_t height = SCREEN_HEIGHT;
    float scale = 1.0f;  // framebuffer pixels per unit of the 640 x 480 2D space
    bool bars = false;   // the frame is wider or taller than the picture

    bool isPlainScreen() const { return width == SCREEN_WIDTH && height == SCREEN_HEIGHT && !bars; }
};

// The largest 4:3 picture that fits a frameWidth x frameHeight frame, centred.
PictureArea pictureAreaIn(int32_t frameWidth, int32_t frameHeight);

// Makes the picture of that frame the one every pass draws into: the viewport, the
// scissor that keeps the bars black, line widths in proportion. Needs a current GL
// context; does nothing to the GL for a 640 x 480 frame.
void placePicture(int32_t frameWidth, int32_t frameHeight);
const PictureArea& pictureArea();
