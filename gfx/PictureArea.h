// Where the show's 4:3 picture lies in a frame of any size: scaled to fit, centred,
// with black bars where the frame is wider or taller; or fitted into one box of a
// bigger frame (the editor's window, whose panels sit around the picture). Process-
// wide, like the driver's state; a 640 x 480 frame is the picture itself and sets no
// GL state at all.
#pragma once

#include <cstdint>

#include "gfx/Draw2D.h"

// A rectangle of framebuffer pixels, lower-left corner first (GL's way up).
struct PixelBox {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    bool operator==(const PixelBox& other) const {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
    bool operator!=(const PixelBox& other) const { return !(*this == other); }
};

struct PictureArea {
    // The picture's lower-left corner and size in framebuffer pixels.
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = SCREEN_WIDTH;
    int32_t height = SCREEN_HEIGHT;
    float scale = 1.0f;  // framebuffer pixels per unit of the 640 x 480 2D space
    bool bars = false;   // the frame is wider or taller than the picture

    bool isPlainScreen() const { return width == SCREEN_WIDTH && height == SCREEN_HEIGHT && !bars; }
    PixelBox box() const { return {x, y, width, height}; }
};

// The largest 4:3 picture that fits a frameWidth x frameHeight frame, centred.
PictureArea pictureAreaIn(int32_t frameWidth, int32_t frameHeight);
// The largest 4:3 picture that fits `box` of a bigger frame, centred in the box; at
// exactly 640 x 480 when the box is that size.
PictureArea pictureAreaInBox(const PixelBox& box);

// Makes the picture of that frame the one every pass draws into: the viewport, the
// scissor that keeps the bars black, line widths in proportion. Needs a current GL
// context; does nothing to the GL for a 640 x 480 frame.
void placePicture(int32_t frameWidth, int32_t frameHeight);
// Moves the picture of a running show to `area` of a frame of that size (a window
// resized, the editor's panels shown or hidden): the state placePicture sets, and
// none of the old place's left behind. The projection is the driver's to set again.
void movePicture(const PictureArea& area, int32_t frameWidth, int32_t frameHeight);
const PictureArea& pictureArea();
// Clears the frame outside the picture to black and leaves every GL state as it was.
// A window's buffers are swapped, so bars cleared once would show old pixels again.
void clearAroundPicture(int32_t frameWidth, int32_t frameHeight);
