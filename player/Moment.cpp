// Taking and restoring a moment: the CPU state through ShowState, the GL side
// (capture pixels, bead lists, blending) here.
#include "player/Moment.h"

#include "demo/DemoState.h"

Moment Moment::now(int64_t nextFrame, uint64_t songMs) {
    Moment moment{ShowState(), {}, nextFrame, songMs};
    for (const Texture* capture : demo::scene->bufferTextures)
        moment.captures.push_back(readTexturePixels(*capture));
    return moment;
}

void Moment::restoreShow() const {
    show.restore();
}

void Moment::restore() const {
    show.restore();
    Scene& scene = *demo::scene;
    for (size_t i = 0; i < captures.size() && i < std::size(scene.bufferTextures); ++i)
        writeTexturePixels(*scene.bufferTextures[i], captures[i]);
    if (!scene.beadListsCurrent()) scene.compileBeadLists();
    scene.blendAfterDraw.apply();
}
