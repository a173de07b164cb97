// The table of the scene's switches and the few questions asked of it.
#include "scene/SceneLayers.h"

#include "script/DemoScript.h"

const SceneLayer SCENE_LAYERS[SCENE_LAYER_COUNT] = {
    {"palikat", EVENT_PALIKAT, &Scene::palikatOn, true},
    {"wireframe", EVENT_WIREFRAME, &Scene::wireframeOn, true},
    {"elektro", EVENT_ELEKTRO, &Scene::elektroOn, true},
    {"putki", EVENT_PUTKI, &Scene::putkiOn, true},
    {"hohto", EVENT_HOHTO, &Scene::hohtoOn, true},
    {"kumma", EVENT_KUMMA, &Scene::kummaOn, true},
    {"rgbhohto", EVENT_RGBHOHTO, &Scene::rgbhohtoOn, true},
    {"lorenz", EVENT_LORENZ, &Scene::lorenzOn, true},
    {"scaled", EVENT_SCALED, &Scene::scaledOn, false},
    {"titleImages", EVENT_TITLE_IMAGES, &Scene::titleImagesOn, false},
};

const SceneLayer* sceneLayerForEvent(int32_t kind) {
    for (const SceneLayer& layer : SCENE_LAYERS) {
        if (layer.eventKind == kind) return &layer;
    }
    return nullptr;
}

uint32_t sceneLayersOn(const Scene& scene) {
    uint32_t bits = 0;
    for (int32_t i = 0; i < SCENE_LAYER_COUNT; ++i) {
        if (scene.*SCENE_LAYERS[i].flag) bits |= 1u << i;
    }
    return bits;
}

void setSceneLayers(Scene& scene, bool on, bool drawingOnly) {
    for (const SceneLayer& layer : SCENE_LAYERS) {
        if (layer.draws || !drawingOnly) scene.*layer.flag = on;
    }
}
