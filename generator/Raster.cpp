// Combining masks and canvases; every operation keeps the target's size.
#include "generator/Raster.h"

#include <algorithm>

Rgb operator*(Rgb colour, float k) {
    return {colour.r * k, colour.g * k, colour.b * k};
}
Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Rgb mix(Rgb a, Rgb b, float t) {
    return a * (1.0f - t) + b * t;
}

void addLight(Canvas& canvas, const Mask& mask, Rgb colour, float gain) {
    for (size_t i = 0; i < canvas.pixels.size(); ++i) {
        canvas.pixels[i] = canvas.pixels[i] + colour * (mask.values[i] * gain);
    }
}

void paintOver(Canvas& canvas, const Mask& mask, Rgb colour) {
    for (size_t i = 0; i < canvas.pixels.size(); ++i) {
        const float t = std::clamp(mask.values[i], 0.0f, 1.0f);
        canvas.pixels[i] = mix(canvas.pixels[i], colour, t);
    }
}

void maxInto(Mask& mask, const Mask& other) {
    for (size_t i = 0; i < mask.values.size(); ++i)
        mask.values[i] = std::max(mask.values[i], other.values[i]);
}

void scale(Mask& mask, float k) {
    for (float& v : mask.values) v *= k;
}

void subtract(Mask& mask, const Mask& other) {
    for (size_t i = 0; i < mask.values.size(); ++i) {
        mask.values[i] = std::clamp(mask.values[i] - other.values[i], 0.0f, 1.0f);
    }
}

Mask shifted(const Mask& mask, int dx, int dy) {
    Mask out(mask.width, mask.height);
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (mask.contains(x - dx, y - dy)) out.at(x, y) = mask.at(x - dx, y - dy);
        }
    }
    return out;
}
