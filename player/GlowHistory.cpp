// Keeping glow capture inputs frame by frame, and rendering them when needed.
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

void GlowHistory::clear(int64_t from) {
    textures_.clear();
    end_ = from;
}

void GlowHistory::forgetFrom(int64_t frame) {
    for (Captures& captures : textures_) {
        std::vector<Capture>& made = captures.made;
        made.erase(made.begin() + static_cast<std::ptrdiff_t>(indexOf(captures, frame)), made.end());
    }
    end_ = std::min(end_, frame);
}

void GlowHistory::recordFrame(int64_t frame, bool skipped) {
    const Scene& scene = *demo::scene;
    const bool next = frame == end_;
    if (next) ++end_;
    if (!scene.hohtoOn) return;
    auto entry = std::find_if(textures_.begin(), textures_.end(),
                              [&scene](const Captures& c) { return c.texture == scene.bufferTexture; });
    if (entry == textures_.end()) {
        textures_.push_back(Captures{scene.bufferTexture, {}, false});
        entry = textures_.end() - 1;
    }
    if (skipped) entry->behind = true;
    if (!next) return;  // known already, or out of the log's reach
    Capture capture;
    capture.frame = frame;
    capture.flash = demo::driver.flash;
    std::copy(std::begin(demo::driver.cameraDirection), std::end(demo::driver.cameraDirection),
              capture.cameraDirection);
    capture.cameraDistance = demo::driver.cameraDistance;
    capture.spinAngle = scene.spinAngle;
    capture.lists = scene.beadDecisions;
    entry->made.push_back(std::move(capture));
}

void GlowHistory::markAllBehind() {
    for (Captures& captures : textures_) captures.behind = !captures.made.empty();
}

void GlowHistory::markNoneBehind() {
    for (Captures& captures : textures_) captures.behind = false;
}

bool GlowHistory::behind(const Texture* texture) const {
    return std::any_of(textures_.begin(), textures_.end(),
                       [texture](const Captures& c) { return c.texture == texture && c.behind; });
}

// Captures `from` to `to` (exclusive), each as the frame's draw makes it.
void GlowHistory::render(const Captures& captures, size_t from, size_t to) {
    Scene& scene = *demo::scene;
    for (size_t i = from; i < to; ++i) {
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

// The `count` captures before index `before` from an all-black start, each step's
// pixels kept; then from an all-white start until a step's pixels equal the black
// run's at that step. From there on both runs are the same, so the black run's end
// is the texture's from any start. False when they never met.
bool GlowHistory::settlesWithin(const Captures& captures, size_t before, size_t count) {
    const size_t first = before - count;
    fillTexture(*captures.texture, 0);
    std::vector<TexturePixels> fromBlack;
    for (size_t i = first; i < before; ++i) {
        render(captures, i, i + 1);
        fromBlack.push_back(readTexturePixels(*captures.texture));
    }
    fillTexture(*captures.texture, 255);
    for (size_t i = first; i < before; ++i) {
        render(captures, i, i + 1);
        if (readTexturePixels(*captures.texture).rgba != fromBlack[i - first].rgba) continue;
        if (i + 1 < before) writeTexturePixels(*captures.texture, fromBlack.back());
        return true;
    }
    return false;
}

size_t GlowHistory::indexOf(const Captures& captures, int64_t frame) {
    const std::vector<Capture>& made = captures.made;
    return static_cast<size_t>(std::lower_bound(made.begin(), made.end(), frame,
                                                [](const Capture& c, int64_t f) { return c.frame < f; }) -
                               made.begin());
}

// Every capture from the origin on, from the origin's pixels.
void GlowHistory::renderFromOrigin(const Captures& captures, size_t before, const GlowOrigin& origin) {
    const Scene& scene = *demo::scene;
    const auto slot =
        std::find(std::begin(scene.bufferTextures), std::end(scene.bufferTextures), captures.texture) -
        std::begin(scene.bufferTextures);
    if (origin.captures != nullptr && static_cast<size_t>(slot) < origin.captures->size())
        writeTexturePixels(*captures.texture, (*origin.captures)[static_cast<size_t>(slot)].pixels);
    render(captures, std::min(before, indexOf(captures, origin.frame)), before);
}

void GlowHistory::catchUp(Texture* texture, int64_t now, const GlowOrigin& origin) {
    auto entry = std::find_if(textures_.begin(), textures_.end(),
                              [texture](const Captures& c) { return c.texture == texture; });
    if (entry == textures_.end() || !entry->behind) return;
    const ShowValues show = showValuesNow();
    const size_t before = indexOf(*entry, now);
    const size_t sinceOrigin = before - std::min(before, indexOf(*entry, origin.frame));
    size_t count = std::min(FIRST_TRY, before);
    size_t spent = 0;  // captures rendered by the tries so far
    bool settled = false;
    // Once the tries from both starts would cost more than rendering those since the
    // origin, the origin it is.
    while (spent + 2 * count < sinceOrigin && count <= before &&
           !(settled = settlesWithin(*entry, before, count))) {
        spent += 2 * count;
        count *= 2;
    }
    if (!settled) renderFromOrigin(*entry, before, origin);
    entry->behind = false;
    restoreShowValues(show);
}

void GlowHistory::catchUpAll(int64_t now, const GlowOrigin& origin) {
    for (Captures& captures : textures_) catchUp(captures.texture, now, origin);
}
