// GLU sphere and cylinder with placement, colour and optional texture. The shapes
// issue plain GL commands, so they can be compiled into display lists as well.
// Lighting and texture environment are left to the caller.
#include "gfx/Shape.h"

#include "gfx/Texture.h"

namespace {

GLUquadric* newSmoothTexturedQuadric() {
    GLUquadric* quadric = gluNewQuadric();
    if (quadric != nullptr) {
        gluQuadricNormals(quadric, GLU_SMOOTH);
        gluQuadricTexture(quadric, GL_TRUE);
    }
    return quadric;
}

}  // namespace

void Shape::apply(bool withTransform) {
    if (withTransform) {
        glTranslatef(position[0], position[1], position[2]);
        glRotatef(rotation[0], 1, 0, 0);
        glRotatef(rotation[1], 0, 1, 0);
        glRotatef(rotation[2], 0, 0, 1);
        glScalef(scale[0], scale[1], scale[2]);
    }
    if (textured) {
        glEnable(GL_TEXTURE_2D);
        // A shape marked textured without a texture draws with what is bound.
        if (texture != nullptr) texture->bind();
    } else {
        // Blending and coordinate generation stay as the last bind left them.
        glDisable(GL_TEXTURE_2D);
    }
    glColor4f(color[0], color[1], color[2], color[3]);
}

Sphere::Sphere() : quadric(newSmoothTexturedQuadric()) {}

Sphere::~Sphere() {
    gluDeleteQuadric(quadric);
}

void Sphere::draw() {
    glPushMatrix();
    apply(true);
    gluSphere(quadric, radius, detail, detail);
    glPopMatrix();
}

Cylinder::Cylinder() : quadric(newSmoothTexturedQuadric()) {}

Cylinder::~Cylinder() {
    gluDeleteQuadric(quadric);
}

void Cylinder::draw() {
    glPushMatrix();
    apply(true);
    // Centred on the origin: from -height/2 (baseRadius) to +height/2 (topRadius).
    glTranslatef(0, 0, -height / 2);
    gluCylinder(quadric, baseRadius, topRadius, height, detail, detail);
    glPopMatrix();
}
