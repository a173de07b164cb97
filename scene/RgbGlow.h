// The three colour fringes of the rgbhohto layer: red, green and blue copies of the
// glow capture, shifted and turned against each other by small random offsets.
#pragma once

#include <cstdint>

class Texture;

class RgbGlow {
public:
    // The picture the fringes start with, also the beads' reflection; sync actions swap in the capture.
    static constexpr const char* PICTURE_FILE = "data/reflect.jpg";

    // `start`: the picture the fringes start with.
    explicit RgbGlow(Texture* start);
    void jitter(uint32_t dt);  // every frame; draws three random numbers
    void randomize();          // every sync action; draws one
    void draw();

    Texture* texture = nullptr;
    float offsetR = 0.0f;
    float offsetG = 0.0f;
    float offsetB = 0.0f;
};
