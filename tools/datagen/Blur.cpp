// Three running-sum box passes per axis: cost independent of the radius.
#include "tools/datagen/Blur.h"

namespace {

int edgeIndex(int i, int size, Edge edge) {
    if (edge == Edge::Wrap) return ((i % size) + size) % size;
    return i < 0 ? 0 : (i >= size ? size - 1 : i);
}

// One box pass over a line of `size` samples spaced `stride` apart, starting at `first`.
void boxLine(const std::vector<float>& in, std::vector<float>& out, size_t first, size_t stride, int size,
             int radius, Edge edge) {
    const float norm = 1.0f / static_cast<float>(2 * radius + 1);
    double sum = 0.0;
    for (int k = -radius; k <= radius; ++k) sum += in[first + stride * edgeIndex(k, size, edge)];
    for (int i = 0; i < size; ++i) {
        out[first + stride * i] = static_cast<float>(sum) * norm;
        sum += in[first + stride * edgeIndex(i + radius + 1, size, edge)];
        sum -= in[first + stride * edgeIndex(i - radius, size, edge)];
    }
}

void boxPass(Mask& mask, int radius, bool alongX, Edge edge) {
    std::vector<float> out(mask.values.size());
    const int lines = alongX ? mask.height : mask.width;
    for (int line = 0; line < lines; ++line) {
        if (alongX) {
            boxLine(mask.values, out, static_cast<size_t>(line) * mask.width, 1, mask.width, radius, edge);
        } else {
            boxLine(mask.values, out, static_cast<size_t>(line), mask.width, mask.height, radius, edge);
        }
    }
    mask.values.swap(out);
}

}  // namespace

Mask blurred(const Mask& mask, int radius, BlurEdges edges) {
    Mask out = mask;
    if (radius <= 0) return out;
    // Three passes of half-width radius/2 come close to a Gaussian of deviation radius/2.
    const int box = radius / 2 > 0 ? radius / 2 : 1;
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(out, box, true, edges.horizontal);
        boxPass(out, box, false, edges.vertical);
    }
    return out;
}

void addGlow(Canvas& canvas, const Mask& mask, Rgb colour, int radius, float gain, BlurEdges edges) {
    addLight(canvas, blurred(mask, radius, edges), colour, gain);
}

Mask dilated(const Mask& mask, int radius) {
    Mask out(mask.width, mask.height);
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            float best = 0.0f;
            for (int dy = -radius; dy <= radius; ++dy) {
                for (int dx = -radius; dx <= radius; ++dx) {
                    if (dx * dx + dy * dy > radius * radius || !mask.contains(x + dx, y + dy)) continue;
                    if (mask.at(x + dx, y + dy) > best) best = mask.at(x + dx, y + dy);
                }
            }
            out.at(x, y) = best;
        }
    }
    return out;
}
