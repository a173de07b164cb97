// The scene's switches as the event table names them: for every switch of the table
// that the scene keeps, its keyword (also the layer's name in reports), the event
// kind that sets it, the named switch itself and whether it draws. Dispatch, the
// benchmark's reports, the editor, the benchmarks and the tests read this table.
#pragma once

#include <cstdint>

#include "scene/Scene.h"

struct SceneLayer {
    const char* keyword = "";
    int32_t eventKind = 0;
    bool SceneValues::*flag = nullptr;
    bool draws = true;  // false for the switches that only steer the sync actions
};

constexpr int32_t SCENE_LAYER_COUNT = 10;
// In the scene's order of its fields.
extern const SceneLayer SCENE_LAYERS[SCENE_LAYER_COUNT];

// The layer switched by events of `kind`, or null.
const SceneLayer* sceneLayerForEvent(int32_t kind);
// Bit i set when layer i of the table is on.
uint32_t sceneLayersOn(const Scene& scene);
// Sets every switch of the table, or only the ones that draw.
void setSceneLayers(Scene& scene, bool on, bool drawingOnly = false);
