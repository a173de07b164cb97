// reflect.jpg: a sphere map of a night studio (deep sky, glowing horizon, dark floor
// and four small bright lights). The beads add it onto the scene many times over,
// so it stays mostly dark: only the lights and the horizon should flare, computed per pixel from the reflection direction that GL's
// sphere mapping assigns to it, so the beads reflect a coherent world.
#include <algorithm>
#include <cmath>

#include "tools/datagen/Pictures.h"

namespace {

constexpr int SIZE = 256;
constexpr float RIM = 0.995f;

struct Direction {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

Direction normalised(Direction d) {
    const float length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    return {d.x / length, d.y / length, d.z / length};
}

float dot(Direction a, Direction b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Rgb environment(Direction r) {
    const Rgb zenith{0.05f, 0.09f, 0.3f}, skyHorizon{0.55f, 0.28f, 0.42f};
    const Rgb floorHorizon{0.3f, 0.12f, 0.26f}, floorDeep{0.02f, 0.02f, 0.07f};
    Rgb colour = r.y >= 0.0f ? mix(skyHorizon, zenith, std::pow(r.y, 0.6f))
                             : mix(floorHorizon, floorDeep, std::pow(-r.y, 0.45f));
    colour = colour + Rgb{1.0f, 0.7f, 0.5f} * (0.5f * std::exp(-(r.y * r.y) / 0.004f));
    // Key, rim and top lights, and a warm lamp on the floor.
    const Direction lights[] = {normalised({-0.6f, 0.6f, 0.5f}), normalised({0.7f, 0.3f, -0.6f}),
                                normalised({0.1f, 1.0f, 0.1f}), normalised({0.4f, -0.7f, 0.5f})};
    const float strengths[] = {1.2f, 0.8f, 0.7f, 0.6f};
    for (int i = 0; i < 4; ++i) {
        const float facing = std::max(0.0f, dot(r, lights[i]));
        colour = colour + Rgb{1.0f, 1.0f, 1.0f} * (strengths[i] * std::pow(facing, 40.0f));
    }
    return colour;
}

// The reflection direction stored at sphere-map coordinates (s, t), t = 1 at the top.
Direction reflectionAt(float s, float t) {
    float nx = 2.0f * s - 1.0f, ny = 2.0f * t - 1.0f;
    const float rim = nx * nx + ny * ny;
    // Outside the disc, repeat the colour just inside its rim (GL never samples there
    // on purpose, but filtering and mipmaps do).
    if (rim > RIM * RIM) {
        nx *= RIM / std::sqrt(rim);
        ny *= RIM / std::sqrt(rim);
    }
    const float nz = std::sqrt(std::max(0.0f, 1.0f - nx * nx - ny * ny));
    return {2.0f * nz * nx, 2.0f * nz * ny, 2.0f * nz * nz - 1.0f};
}

}  // namespace

Canvas makeReflectTexture() {
    Canvas canvas(SIZE, SIZE);
    for (int y = 0; y < SIZE; ++y) {
        for (int x = 0; x < SIZE; ++x) {
            const float s = (x + 0.5f) / SIZE, t = 1.0f - (y + 0.5f) / SIZE;
            canvas.at(x, y) = environment(reflectionAt(s, t));
        }
    }
    return canvas;
}
