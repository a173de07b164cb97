// Fixture and small GL queries for the tests that need a real context: one
// offscreen Mesa context per suite, the state reset before every test.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "tests/support/GlContext.h"

class GlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { context = new GlContext(); }
    static void TearDownTestSuite() {
        delete context;
        context = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(context->ok());
        resetGlState();
    }
    static std::array<uint8_t, 4> pixelAt(int x, int y) { return context->pixelAt(x, y); }

    static inline GlContext* context = nullptr;
};

inline GLint glInteger(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

inline GLint texParameter(GLenum target, GLenum name) {
    GLint value = 0;
    glGetTexParameteriv(target, name, &value);
    return value;
}

inline GLint levelParameter(GLenum target, GLint level, GLenum name) {
    GLint value = 0;
    glGetTexLevelParameteriv(target, level, name, &value);
    return value;
}
