// Traces and draws the Lorenz web. Points that do not project (z = 0) are left
// out with every line that touches them instead of reaching the GL as NaN or inf.
#include "scene/LorenzLayer.h"

#include <GL/gl.h>

#include <cmath>

#include "gfx/Draw2D.h"
#include "scene/Scene.h"

namespace {

bool isFinitePoint(const LorenzPoints& points, int32_t i) {
    return std::isfinite(points.x[i]) && std::isfinite(points.y[i]);
}

void addLine(const LorenzPoints& points, int32_t from, int32_t to) {
    glVertex2f(points.x[from], points.y[from]);
    glVertex2f(points.x[to], points.y[to]);
}

void drawPair(const LorenzPoints& points, int32_t i) {
    const bool start = isFinitePoint(points, i);
    const bool segment = start && isFinitePoint(points, i + 1);
    const bool chord = start && isFinitePoint(points, i + LORENZ_CHORD_SPAN);
    if (!segment && !chord) return;
    glBegin(GL_LINES);
    if (segment) addLine(points, i, i + 1);
    if (chord) addLine(points, i, i + LORENZ_CHORD_SPAN);
    glEnd();
}

}  // namespace

void traceLorenz(Scene& scene, LorenzPoints& points) {
    const float h = scene.lorenzStep;
    const float sigma = scene.lorenzSigma;
    const float beta = scene.lorenzBeta;
    const float rho = scene.lorenzRho;
    float x = scene.lorenzStartX;
    float y = scene.lorenzStartY;
    float z = scene.lorenzStartZ;
    for (int32_t i = 0; i < LORENZ_STEPS; ++i) {
        const float nextX = x + (h * sigma) * (y - x);
        const float nextY = y + ((rho - z) * x - y) * h;
        const float nextZ = z + (x * y - beta * z) * h;
        x = nextX;
        y = nextY;
        z = nextZ;
        points.x[i] = x * 80.0f * sigma / z;
        points.y[i] = y * 40.0f * sigma / z;
    }
    scene.lorenzX = x;
    scene.lorenzY = y;
    scene.lorenzZ = z;
}

void drawLorenzWeb(const LorenzPoints& points, float angle) {
    float alpha = 0.5f;
    begin2D(-10000.0f);
    glTranslatef(static_cast<float>(SCREEN_WIDTH) / 2.0f, static_cast<float>(SCREEN_HEIGHT) / 2.0f, 0.0f);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    for (int32_t i = 0; i < LORENZ_PAIRS; ++i) {
        glColor4f(0.5f, 0.75f, 1.0f, alpha);
        alpha -= 0.0005f;
        drawPair(points, i);
    }
    end2D();
}

void drawLorenzLayer(Scene& scene) {
    glPolygonMode(GL_FRONT, GL_FILL);
    glPolygonMode(GL_BACK, GL_FILL);
    LorenzPoints points;
    traceLorenz(scene, points);
    glDisable(GL_TEXTURE_2D);
    drawLorenzWeb(points, scene.spinAngle / 5.0f);
    glEnable(GL_TEXTURE_2D);
}
