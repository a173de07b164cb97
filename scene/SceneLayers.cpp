// The scene's reach into the event table: each switch of the scene by the kind of
// the event that sets it; keywords and what each switch does come from the table.
#include "scene/SceneLayers.h"

#include "script/EventTable.h"

namespace {

// A kind the event table does not have stops the build here.
constexpr SceneLayer layer(int32_t kind, bool SceneValues::*flag) {
    const EventEntry& entry = *eventEntry(kind);
    return {entry.keyword, kind, flag, entry.switches == SwitchOf::SceneLayer};
}

}  // namespace

// clang-format off
constexpr SceneLayer SCENE_LAYERS[SCENE_LAYER_COUNT] = {
    layer(EVENT_PALIKAT, &SceneValues::palikatOn),
    layer(EVENT_WIREFRAME, &SceneValues::wireframeOn),
    layer(EVENT_ELEKTRO, &SceneValues::elektroOn),
    layer(EVENT_PUTKI, &SceneValues::putkiOn),
    layer(EVENT_HOHTO, &SceneValues::hohtoOn),
    layer(EVENT_KUMMA, &SceneValues::kummaOn),
    layer(EVENT_RGBHOHTO, &SceneValues::rgbhohtoOn),
    layer(EVENT_LORENZ, &SceneValues::lorenzOn),
    layer(EVENT_SCALED, &SceneValues::scaledOn),
    layer(EVENT_TITLE_IMAGES, &SceneValues::titleImagesOn),
};
// clang-format on

namespace {

constexpr bool reachedHere(int32_t kind) {
    for (const SceneLayer& reached : SCENE_LAYERS) {
        if (reached.eventKind == kind) return true;
    }
    return false;
}

constexpr bool everySceneSwitchReached() {
    for (const EventEntry& entry : EVENT_TABLE) {
        if (entry.switchesScene() && !reachedHere(entry.kind)) return false;
        if (!entry.switchesScene() && reachedHere(entry.kind)) return false;
    }
    return true;
}
static_assert(everySceneSwitchReached(), "each scene switch of the event table is a named switch here");

}  // namespace

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
