// GL parameters a texture gets from its request flags and depth.
// Pure choices: nothing here calls GL.
#pragma once

#include <GL/gl.h>

#include <cstdint>

GLint magFilterFor(uint32_t flags);
// Render targets never get mipmaps unless the flags leave trilinear filtering on.
GLint emptyMinFilterFor(uint32_t flags);
// Pictures always have mipmaps.
GLint pictureMinFilterFor(uint32_t flags);
GLint wrapFor(uint32_t flags);
// Internal and upload format of a depth; 0 when the depth is not supported.
GLenum pixelFormatFor(int32_t bytesPerPixel);
// The targets that get storage and pictures; others only get a GL object.
bool targetTakesImages(GLenum target);
