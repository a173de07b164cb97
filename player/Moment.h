// A kept moment of a run: the show's values (see ShowValues), the capture textures
// as the frames left them, the next frame's number and the song's time there.
// Going back to one needs no replay: a loop's lap starts from one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "demo/ShowValues.h"
#include "gfx/TexturePixels.h"

// A capture texture as the frames left it: its pixels, and the angle the fringes
// left on it for its next quad. (A picture's angle is set before each of its quads.)
struct KeptCapture {
    TexturePixels pixels;
    float angle = 0.0f;
};

struct Moment {
    ShowValues show;
    std::vector<KeptCapture> captures;  // the scene's capture textures, in order
    int64_t nextFrame = 0;
    uint64_t songMs = 0;  // the song clock before the next frame
    std::size_t showChangesBefore = 0;  // how many of the player's show changes came before it

    // The running show now; reads the capture textures back from the GL.
    static Moment now(int64_t nextFrame, uint64_t songMs);
    // Puts the show, its lists, capture pixels and blending back.
    void restore() const;
    // Puts the show's CPU side back only: for a replay, which hands the GL nothing.
    void restoreShow() const;
};
