// Each shape visits only its bounding box and turns distance into coverage with a
// one-pixel ramp.
#include "tools/datagen/Shapes.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

float coverage(float distance) {
    return std::clamp(0.5f - distance, 0.0f, 1.0f);
}

// Calls `distanceAt` for every pixel of the box (clipped to the mask) and keeps the larger coverage.
void fill(Mask& mask, float x0, float y0, float x1, float y1, float strength,
          const std::function<float(float, float)>& distanceAt) {
    const int left = std::max(0, static_cast<int>(std::floor(x0)) - 1);
    const int top = std::max(0, static_cast<int>(std::floor(y0)) - 1);
    const int right = std::min(mask.width - 1, static_cast<int>(std::ceil(x1)) + 1);
    const int bottom = std::min(mask.height - 1, static_cast<int>(std::ceil(y1)) + 1);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const float c = coverage(distanceAt(x + 0.5f, y + 0.5f)) * strength;
            if (c > mask.at(x, y)) mask.at(x, y) = c;
        }
    }
}

float segmentDistance(float px, float py, Point a, Point b) {
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float lengthSquared = dx * dx + dy * dy;
    float t = lengthSquared > 0.0f ? ((px - a.x) * dx + (py - a.y) * dy) / lengthSquared : 0.0f;
    t = std::clamp(t, 0.0f, 1.0f);
    return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

}  // namespace

void drawCapsule(Mask& mask, Point a, Point b, float radius, float strength, bool wrapX) {
    const int copies = wrapX ? 1 : 0;
    for (int k = -copies; k <= copies; ++k) {
        const float shift = static_cast<float>(k * mask.width);
        const Point sa{a.x + shift, a.y}, sb{b.x + shift, b.y};
        fill(mask, std::min(sa.x, sb.x) - radius, std::min(sa.y, sb.y) - radius,
             std::max(sa.x, sb.x) + radius, std::max(sa.y, sb.y) + radius, strength,
             [&](float px, float py) { return segmentDistance(px, py, sa, sb) - radius; });
    }
}

void drawRing(Mask& mask, Point centre, float radius, float halfThickness, float strength) {
    const float reach = radius + halfThickness;
    fill(mask, centre.x - reach, centre.y - reach, centre.x + reach, centre.y + reach, strength,
         [&](float px, float py) {
             return std::fabs(std::hypot(px - centre.x, py - centre.y) - radius) - halfThickness;
         });
}

void drawDisc(Mask& mask, Point centre, float radius, float strength) {
    fill(mask, centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius, strength,
         [&](float px, float py) { return std::hypot(px - centre.x, py - centre.y) - radius; });
}

void drawRoundedBox(Mask& mask, Point topLeft, Point bottomRight, float cornerRadius, float strength) {
    const float cx = (topLeft.x + bottomRight.x) / 2, cy = (topLeft.y + bottomRight.y) / 2;
    const float hx = (bottomRight.x - topLeft.x) / 2 - cornerRadius;
    const float hy = (bottomRight.y - topLeft.y) / 2 - cornerRadius;
    fill(mask, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y, strength, [&](float px, float py) {
        const float qx = std::fabs(px - cx) - hx, qy = std::fabs(py - cy) - hy;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - cornerRadius;
    });
}
