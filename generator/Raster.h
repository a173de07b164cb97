// Float pictures the generator paints into: a one-channel Mask (coverage or light)
// and an RGB Canvas, with the few ways of combining them that the pictures need.
// Values are linear 0..1 and may run over while painting; the JPEG writer clamps.
#pragma once

#include <cstddef>
#include <vector>

struct Rgb {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

Rgb operator*(Rgb colour, float k);
Rgb operator+(Rgb a, Rgb b);
Rgb mix(Rgb a, Rgb b, float t);

struct Mask {
    int width = 0;
    int height = 0;
    std::vector<float> values;

    Mask() = default;
    Mask(int w, int h) : width(w), height(h), values(static_cast<std::size_t>(w) * h, 0.0f) {}
    float& at(int x, int y) { return values[static_cast<std::size_t>(y) * width + x]; }
    float at(int x, int y) const { return values[static_cast<std::size_t>(y) * width + x]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Canvas() = default;
    Canvas(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}
    Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// canvas += colour * mask * gain: light added, as the player's additive blend does.
void addLight(Canvas& canvas, const Mask& mask, Rgb colour, float gain = 1.0f);
// canvas := mix(canvas, colour, mask): paint that covers what lies below.
void paintOver(Canvas& canvas, const Mask& mask, Rgb colour);
// mask := max(mask, other) and mask := mask * k, clamped sums.
void maxInto(Mask& mask, const Mask& other);
void scale(Mask& mask, float k);
// mask := clamp(mask - other, 0, 1).
void subtract(Mask& mask, const Mask& other);
// A copy moved by (dx, dy); what moves in from outside is empty.
Mask shifted(const Mask& mask, int dx, int dy);
