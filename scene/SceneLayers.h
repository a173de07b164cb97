// The scene's ten switches in one table: the script keyword (also the layer's
// name in reports), the event kind that sets it, and the switch itself. Dispatch,
// the benchmark's reports, the benchmarks and the tests read it, in this order.
#pragma once

#include <cstdint>

#include "scene/Scene.h"

struct SceneLayer {
    const char* keyword = "";
    int32_t eventKind = 0;
    bool Scene::*flag = nullptr;
    bool draws = true;  // false for the two switches that only steer other layers
};

constexpr int32_t SCENE_LAYER_COUNT = 10;
extern const SceneLayer SCENE_LAYERS[SCENE_LAYER_COUNT];

// The layer switched by events of `kind`, or null.
const SceneLayer* sceneLayerForEvent(int32_t kind);
// Bit i set when layer i of the table is on.
uint32_t sceneLayersOn(const Scene& scene);
// Sets every switch of the table, or only the ones that draw.
void setSceneLayers(Scene& scene, bool on, bool drawingOnly = false);
