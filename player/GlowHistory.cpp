// Keeping glow capture inputs frame by frame, and rendering them when needed.
#include "player/GlowHistory.h"

#include <algorithm>
#include <iterator>
#include <optional>

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
        captures.kept.erase(captures.kept.lower_bound(frame), captures.kept.end());
    }
    end_ = std::min(end_, frame);
}

void GlowHistory::forgetKept() {
    for (Captures& captures : textures_) captures.kept.clear();
}

void GlowHistory::recordFrame(int64_t frame, bool skipped) {
    const Scene& scene = *demo::scene;
    const bool next = frame == end_;
    if (next) ++end_;
    if (!scene.hohtoOn) return;
    auto entry = std::find_if(textures_.begin(), textures_.end(),
                              [&scene](const Captures& c) { return c.texture == scene.bufferTexture; });
    if (entry == textures_.end()) {
        textures_.push_back(Captures{scene.bufferTexture, {}, false, {}});
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
// is the texture's from any start, and its steps from there on are exact pixels to
// keep. False when they never met.
bool GlowHistory::settlesWithin(Captures& captures, size_t before, size_t count) {
    const size_t first = before - count;
    fillTexture(*captures.texture, 0);
    std::vector<KeptGlow> fromBlack;  // luminance alone: a long try holds hundreds
    for (size_t i = first; i < before; ++i) {
        render(captures, i, i + 1);
        std::optional<KeptGlow> pixels = KeptGlow::of(readTexturePixels(*captures.texture));
        if (!pixels) return false;  // not a capture's pixels: nothing to compare
        fromBlack.push_back(std::move(*pixels));
    }
    fillTexture(*captures.texture, 255);
    for (size_t i = first; i < before; ++i) {
        render(captures, i, i + 1);
        const std::optional<KeptGlow> fromWhite = KeptGlow::of(readTexturePixels(*captures.texture));
        if (!fromWhite || fromWhite->luminance != fromBlack[i - first].luminance) continue;
        if (i + 1 < before) writeTexturePixels(*captures.texture, fromBlack.back().pixels());
        for (size_t exact = i; exact < before; ++exact) keepIfDue(captures, exact, fromBlack[exact - first]);
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

bool GlowHistory::due(size_t index) {
    return (index + 1) % KEEP_EVERY == 0;
}

bool GlowHistory::wanted(const Captures& captures, size_t index) {
    return due(index) && captures.kept.count(captures.made[index].frame) == 0;
}

// The pixels just after capture `index`, when they are wanted.
void GlowHistory::keepIfDue(Captures& captures, size_t index, const KeptGlow& pixels) {
    if (wanted(captures, index)) captures.kept.emplace(captures.made[index].frame, pixels);
}

size_t GlowHistory::firstUnkept(const Captures& captures) {
    for (size_t index = KEEP_EVERY - 1; index < captures.made.size(); index += KEEP_EVERY) {
        if (wanted(captures, index)) return index;
    }
    return captures.made.size();
}

// The latest exact pixels before capture `index`: kept after an earlier capture, or
// the origin's, whichever is later.
GlowHistory::ExactStart GlowHistory::exactStartBefore(const Captures& captures, size_t index,
                                                      const GlowOrigin& origin) const {
    const Scene& scene = *demo::scene;
    const auto slot = static_cast<size_t>(
        std::find(std::begin(scene.bufferTextures), std::end(scene.bufferTextures), captures.texture) -
        std::begin(scene.bufferTextures));
    ExactStart start;
    start.originPixels = origin.captures != nullptr && slot < origin.captures->size()
                             ? &(*origin.captures)[slot].pixels
                             : nullptr;
    start.index = std::min(index, indexOf(captures, origin.frame));
    if (index == 0) return start;
    const auto after = captures.kept.upper_bound(captures.made[index - 1].frame);
    if (after == captures.kept.begin()) return start;
    const auto kept = std::prev(after);
    const size_t keptIndex = indexOf(captures, kept->first) + 1;
    if (keptIndex < start.index) return start;
    start.index = keptIndex;
    start.kept = &kept->second;
    return start;
}

// Captures from the start's on to `to`, from its pixels (a start without any renders
// from the texture as it is, and keeps nothing).
void GlowHistory::renderFrom(Captures& captures, const ExactStart& start, size_t to) {
    const bool exact = start.kept != nullptr || start.originPixels != nullptr;
    if (start.kept != nullptr) {
        writeTexturePixels(*captures.texture, start.kept->pixels());
    } else if (start.originPixels != nullptr) {
        writeTexturePixels(*captures.texture, *start.originPixels);
    }
    for (size_t i = start.index; i < to; ++i) {
        render(captures, i, i + 1);
        if (!exact || !wanted(captures, i)) continue;  // no read-back for nothing
        if (std::optional<KeptGlow> pixels = KeptGlow::of(readTexturePixels(*captures.texture)))
            keepIfDue(captures, i, *pixels);
    }
}

void GlowHistory::catchUp(Texture* texture, int64_t now, const GlowOrigin& origin) {
    auto entry = std::find_if(textures_.begin(), textures_.end(),
                              [texture](const Captures& c) { return c.texture == texture; });
    if (entry == textures_.end() || !entry->behind) return;
    const ShowValues show = showValuesNow();
    const size_t before = indexOf(*entry, now);
    const ExactStart start = exactStartBefore(*entry, before, origin);
    const size_t sinceStart = before - start.index;
    size_t count = std::min(FIRST_TRY, before);
    size_t spent = 0;  // captures rendered by the tries so far
    bool settled = false;
    // Once the tries from both starts would cost more than rendering those since the
    // exact start, that start it is.
    while (spent + 2 * count < sinceStart && count <= before &&
           !(settled = settlesWithin(*entry, before, count))) {
        spent += 2 * count;
        count *= 2;
    }
    if (!settled) renderFrom(*entry, start, before);
    entry->behind = false;
    restoreShowValues(show);
}

bool GlowHistory::renderAhead(const GlowOrigin& origin, std::chrono::steady_clock::time_point deadline) {
    const ShowValues show = showValuesNow();
    bool more = false;
    for (Captures& captures : textures_) {
        size_t unkept = firstUnkept(captures);
        if (unkept == captures.made.size()) continue;
        const TexturePixels before = readTexturePixels(*captures.texture);
        while (unkept < captures.made.size() && std::chrono::steady_clock::now() < deadline) {
            renderFrom(captures, exactStartBefore(captures, unkept, origin), unkept + 1);
            const size_t next = firstUnkept(captures);
            if (next == unkept) break;  // no exact pixels to start from: nothing to keep here
            unkept = next;
        }
        writeTexturePixels(*captures.texture, before);
        more = more || unkept < captures.made.size();
    }
    restoreShowValues(show);
    return more;
}

void GlowHistory::catchUpAll(int64_t now, const GlowOrigin& origin) {
    for (Captures& captures : textures_) catchUp(captures.texture, now, origin);
}
