// A copy of the show's latest frame as it was before the overlay went over it, so
// that while the show is paused the overlay can be drawn again (hover, drags,
// showing and hiding it) without running a frame of the show.
#pragma once

#include <cstdint>
#include <vector>

class FrozenFrame {
public:
    FrozenFrame() = default;
    ~FrozenFrame();  // the GL context must still be current
    FrozenFrame(const FrozenFrame&) = delete;
    FrozenFrame& operator=(const FrozenFrame&) = delete;

    // Copies the frame just drawn (lower left `width` x `height` of the read buffer).
    void copy(int32_t width, int32_t height);
    // Puts the copy back over the whole window, pixel for pixel; false when there is none.
    bool draw();

private:
    std::vector<uint8_t> pixels_;  // RGBA, bottom row first
    int32_t width_ = 0;
    int32_t height_ = 0;
    uint32_t texture_ = 0;   // the copy on the GL side, made when first drawn
    bool uploaded_ = false;  // the texture holds the latest copy
};
