// A scene built the way the player builds it, for tests: a real GL context, the
// player's GL state and camera, and a scratch working folder without pictures.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "gfx/TextureStore.h"
#include "scene/Scene.h"
#include "tests/support/GlContext.h"
#include "tests/support/TempDir.h"

class SceneFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Clear, camera, Scene::draw: one frame as the driver draws it.
    void drawFrame();
    // The whole 640 x 480 colour buffer, bottom row first.
    std::vector<uint8_t> readFrame() const;
    void allLayers(bool on);

    GlContext gl;
    TempDir folder;
    std::filesystem::path previousFolder;
    std::unique_ptr<TextureStore> store;
    std::unique_ptr<Scene> scene;
};

// The show's generator rebuilt from its definition, to predict draws independently.
class ShowSequence {
public:
    explicit ShowSequence(uint32_t seed) : state_(seed) {}
    int32_t r(int32_t n) {
        state_ = state_ * 214013u + 2531011u;
        ++draws;
        return static_cast<int32_t>((state_ >> 16) & 0x7fff) % n;
    }
    uint64_t draws = 0;

private:
    uint32_t state_ = 0;
};

// The modelview matrix as GL holds it, column-major.
std::vector<float> modelviewMatrix();
