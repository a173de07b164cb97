// Taking and restoring a moment: the show's values whole, the GL side (capture
// pixels, bead lists, blending) here.
#include "player/Moment.h"

#include "demo/DemoState.h"

Moment Moment::now(int64_t nextFrame, uint64_t songMs) {
    Moment moment{showValuesNow(), {}, nextFrame, songMs};
    for (const Texture* capture : demo::scene->bufferTextures)
        moment.captures.push_back({readTexturePixels(*capture), capture->angle});
    return moment;
}

Moment Moment::mark(int64_t nextFrame, uint64_t songMs) {
    Moment moment{showValuesNow(), {}, nextFrame, songMs};
    for (const Texture* capture : demo::scene->bufferTextures)
        moment.captures.push_back({{}, capture->angle});
    return moment;
}

bool Moment::keepsPixels() const {
    return captures.empty() || !captures.front().pixels.rgba.empty();
}

void Moment::restoreShow() const {
    restoreShowValues(show);
    Scene& scene = *demo::scene;
    for (size_t i = 0; i < captures.size() && i < std::size(scene.bufferTextures); ++i)
        scene.bufferTextures[i]->angle = captures[i].angle;
}

void Moment::restore() const {
    restoreShow();
    Scene& scene = *demo::scene;
    for (size_t i = 0; i < captures.size() && i < std::size(scene.bufferTextures); ++i)
        writeTexturePixels(*scene.bufferTextures[i], captures[i].pixels);
    if (!scene.beadListsCurrent()) scene.compileBeadLists();
    scene.blendAfterDraw.apply();
}
