// GLU quadric shapes with their own placement, colour and optional texture.
// The scene reconfigures their public fields before each draw or list compilation.
#pragma once

#include <GL/glu.h>

#include <cstdint>

class Texture;

class Shape {
public:
    float color[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    Texture* texture = nullptr;
    float position[3] = {0.0f, 0.0f, 0.0f};
    float rotation[3] = {0.0f, 0.0f, 0.0f};  // degrees about x, then y, then z
    float scale[3] = {1.0f, 1.0f, 1.0f};
    bool textured = false;

    // Placement (when asked), texture and colour: the step both draws share.
    void apply(bool withTransform);
};

class Sphere : public Shape {
public:
    Sphere();
    ~Sphere();
    Sphere(const Sphere&) = delete;
    Sphere& operator=(const Sphere&) = delete;
    void draw();

    GLUquadric* quadric = nullptr;
    int32_t detail = 32;
    float radius = 1.0f;
};

// Centred on its origin along the local z axis, baseRadius at the negative end.
class Cylinder : public Shape {
public:
    Cylinder();
    ~Cylinder();
    Cylinder(const Cylinder&) = delete;
    Cylinder& operator=(const Cylinder&) = delete;
    void draw();

    GLUquadric* quadric = nullptr;
    int32_t detail = 32;
    float baseRadius = 1.0f;
    float topRadius = 1.0f;
    float height = 1.0f;
};
