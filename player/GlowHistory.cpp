// Keeping glow capture inputs during a replay, and rendering them when needed.
#include "player/GlowHistory.h"

#include <algorithm>
#include <iterator>

#include "demo/Demo.h"
#include "demo/DemoState.h"
#include "demo/ShowValues.h"

namespace {

// The whole level-0 image of one grey value, in the format captures leave.
void fillTexture(const Texture& texture, uint8_t grey) {
    TexturePixels pixels = readTexturePixels(texture);
    pixels.internalFormat = GL_LUMINANCE;
    std::fill(pixels.rgba.begin(), pixels.rgba.end(), grey);
    writeTexturePixels(texture, pixels);
}

}  // namespace

void GlowHistory::clear() {
    textures_.clear();
}

void GlowHistory::recordFrame() {
    const Scene& scene = *demo::scene;
    if (!scene.hohtoOn) return;
    auto entry = std::find_if(textures_.begin(), textures_.end(),
                              [&scene](const Captures& c) { return c.texture == scene.bufferTexture; });
    if (entry == textures_.end()) {
        textures_.push_back(Captures{scene.bufferTexture, {}, false});
        entry = textures_.end() - 1;
    }
    Capture capture;
    capture.flash = demo::driver.flash;
    std::copy(std::begin(demo::driver.cameraDirection), std::end(demo::driver.cameraDirection),
              capture.cameraDirection);
    capture.cameraDistance = demo::driver.cameraDistance;
    capture.spinAngle = scene.spinAngle;
    capture.lists = scene.beadDecisions;
    entry->made.push_back(std::move(capture));
    entry->behind = true;
}

bool GlowHistory::behind(const Texture* texture) const {
    return std::any_of(textures_.begin(), textures_.end(),
                       [texture](const Captures& c) { return c.texture == texture && c.behind; });
}

// The latest `count` captures, each as the frame's draw makes it.
void GlowHistory::render(const Captures& captures, size_t count) {
    Scene& scene = *demo::scene;
    for (size_t i = captures.made.size() - count; i < captures.made.size(); ++i) {
        const Capture& capture = captures.made[i];
        demo::driver.flash = capture.flash;
        std::copy(std::begin(capture.cameraDirection), std::end(capture.cameraDirection),
                  demo::driver.cameraDirection);
        demo::driver.cameraDistance = capture.cameraDistance;
        scene.spinAngle = capture.spinAngle;
        scene.bufferTexture = captures.texture;
        demoDrawGlowCapture(*capture.lists);
        ++rendered_;
    }
}

bool GlowHistory::rendersTheSameFromAnyStart(const Captures& captures, size_t count) {
    fillTexture(*captures.texture, 0);
    render(captures, count);
    const TexturePixels fromBlack = readTexturePixels(*captures.texture);
    fillTexture(*captures.texture, 255);
    render(captures, count);
    return readTexturePixels(*captures.texture).rgba == fromBlack.rgba;
}

void GlowHistory::catchUp(Texture* texture, const std::vector<KeptCapture>& first) {
    auto entry = std::find_if(textures_.begin(), textures_.end(),
                              [texture](const Captures& c) { return c.texture == texture; });
    if (entry == textures_.end() || !entry->behind) return;
    const ShowValues now = showValuesNow();
    Scene& scene = *demo::scene;
    const size_t made = entry->made.size();
    size_t count = std::min(FIRST_TRY, made);
    while (count < made && !rendersTheSameFromAnyStart(*entry, count)) count = std::min(made, count * 2);
    if (count == made) {
        const auto slot =
            std::find(std::begin(scene.bufferTextures), std::end(scene.bufferTextures), texture) -
            std::begin(scene.bufferTextures);
        if (static_cast<size_t>(slot) < first.size()) writeTexturePixels(*texture, first[slot].pixels);
        render(*entry, made);
    }
    entry->behind = false;
    restoreShowValues(now);
}

void GlowHistory::catchUpAll(const std::vector<KeptCapture>& first) {
    for (Captures& captures : textures_) catchUp(captures.texture, first);
}
