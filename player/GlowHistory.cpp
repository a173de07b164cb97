// Keeping glow capture inputs frame by frame, and rendering them when needed.
#include "player/GlowHistory.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "demo/Demo.h"
#include "demo/DemoState.h"
#include "demo/ShowValues.h"
#include "scene/BeadLists.h"

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

void GlowHistory::setAsideFrom(int64_t frame) {
    for (Captures& captures : textures_) {
        std::vector<Capture>& made = captures.made;
        const auto from = made.begin() + static_cast<std::ptrdiff_t>(indexOf(captures, frame));
        SetAside aside;
        aside.made.assign(std::make_move_iterator(from), std::make_move_iterator(made.end()));
        made.erase(from, made.end());
        const auto keptFrom = captures.kept.lower_bound(frame);
        aside.kept.insert(std::make_move_iterator(keptFrom), std::make_move_iterator(captures.kept.end()));
        captures.kept.erase(keptFrom, captures.kept.end());
        // What an earlier change set aside and the log has not reached yet goes on after them.
        SetAside& earlier = captures.setAside;
        if (earlier.matchesUpTo(end_)) {
            const auto rest = earlier.made.begin() + static_cast<std::ptrdiff_t>(earlier.next);
            aside.made.insert(aside.made.end(), std::make_move_iterator(rest),
                              std::make_move_iterator(earlier.made.end()));
            aside.kept.insert(std::make_move_iterator(earlier.kept.lower_bound(end_)),
                              std::make_move_iterator(earlier.kept.end()));
        }
        aside.sameSince = frame;
        captures.setAside = std::move(aside);
        if (captures.aheadAt && *captures.aheadAt > made.size()) captures.aheadAt.reset();
    }
    end_ = std::min(end_, frame);
}

void GlowHistory::forgetKept() {
    for (Captures& captures : textures_) {
        captures.kept.clear();
        captures.aheadAt.reset();
        captures.setAside = SetAside{};
    }
}

bool GlowHistory::Capture::operator==(const Capture& o) const {
    return frame == o.frame && flash == o.flash && std::equal(std::begin(cameraDirection), std::end(cameraDirection),
                                                              std::begin(o.cameraDirection)) &&
           cameraDistance == o.cameraDistance && spinAngle == o.spinAngle &&
           (lists == o.lists || (lists != nullptr && o.lists != nullptr && *lists == *o.lists));
}

// A capture that reads another texture depends on that one's pixels too: the pixels
// set aside are taken back only after captures of the texture into itself.
void GlowHistory::takeBackKept(Captures& captures) {
    SetAside& aside = captures.setAside;
    const Capture& logged = captures.made.back();
    // Captures set aside that the log went past without making them: the shows differ there.
    for (; aside.next < aside.made.size() && aside.made[aside.next].frame < logged.frame; ++aside.next)
        aside.differs();
    if (aside.next >= aside.made.size()) return;
    const Capture& before = aside.made[aside.next];
    if (before.frame > logged.frame) {  // a capture the show set aside did not make
        aside.differs();
        return;
    }
    ++aside.next;
    if (!(logged == before) || logged.lists->capture != captures.texture) {
        aside.differs();
        return;
    }
    if (!aside.sameSince) aside.sameSince = logged.frame;
    if (!aside.samePixels) return;
    const auto kept = aside.kept.find(logged.frame);
    if (kept != aside.kept.end()) captures.kept.insert(aside.kept.extract(kept));
}

// Where the glow forgot soon after the captures became the same again, the pixels after
// every later one logged are those set aside: any start there gives the same pixels, the
// start the show set aside had included. Runs from black (in the texture) and white (in
// its twin) go in step, so that a quick meeting costs little; tried only where it can
// save the catch-up's own tries, and for LONGEST_REJOIN_TRY captures at most.
void GlowHistory::takeBackAfterRejoin(Captures& captures, size_t before) {
    SetAside& aside = captures.setAside;
    if (aside.samePixels || !aside.sameSince || aside.kept.empty()) return;
    const size_t rejoin = indexOf(captures, *aside.sameSince);
    if (rejoin + KEEP_EVERY >= before) return;
    if (!captures.ahead) captures.ahead = std::make_unique<TextureTwin>(*captures.texture);
    Texture& black = *captures.texture;
    Texture& white = captures.ahead->texture();
    captures.aheadAt.reset();  // the twin leaves the way of rendering ahead
    const TexturePixels pixels = readTexturePixels(black);  // the catch-up may start from them
    fillTexture(black, 0);
    fillTexture(white, 255);
    std::optional<size_t> met;
    for (size_t i = rejoin; i < std::min(before, rejoin + LONGEST_REJOIN_TRY) && !met; ++i) {
        render(captures, i, i + 1, black);
        render(captures, i, i + 1, white);
        const std::optional<KeptGlow> fromBlack = KeptGlow::of(readTexturePixels(black));
        const std::optional<KeptGlow> fromWhite = KeptGlow::of(readTexturePixels(white));
        if (!fromBlack || !fromWhite) break;  // not a capture's pixels: nothing to compare
        if (fromBlack->luminance == fromWhite->luminance) met = i;
    }
    writeTexturePixels(black, pixels);
    if (!met) {
        // The glow remembers longer than a whole try: no later catch-up tries it again.
        if (rejoin + LONGEST_REJOIN_TRY <= before) aside.kept.clear();
        return;
    }
    const int64_t logged = captures.made.back().frame;
    auto kept = aside.kept.lower_bound(captures.made[*met].frame);
    while (kept != aside.kept.end() && kept->first <= logged)
        captures.kept.insert(aside.kept.extract(kept++));
    aside.samePixels = true;  // the captures logged from now on take theirs back as they come
}

void GlowHistory::recordFrame(int64_t frame, bool skipped) {
    const Scene& scene = *demo::scene;
    const bool next = frame == end_;
    if (next) ++end_;
    if (!scene.hohtoOn) return;
    auto entry = std::find_if(textures_.begin(), textures_.end(),
                              [&scene](const Captures& c) { return c.texture == scene.bufferTexture; });
    if (entry == textures_.end()) {
        Captures added;
        added.texture = scene.bufferTexture;
        textures_.push_back(std::move(added));
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
    takeBackKept(*entry);
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

// Captures `from` to `to` (exclusive), each as the frame's draw makes it, into the
// texture or its twin (then the core sphere shows the twin's previous capture).
void GlowHistory::render(const Captures& captures, size_t from, size_t to, Texture& into) {
    Scene& scene = *demo::scene;
    for (size_t i = from; i < to; ++i) {
        const Capture& capture = captures.made[i];
        demo::driver.flash = capture.flash;
        std::copy(std::begin(capture.cameraDirection), std::end(capture.cameraDirection),
                  demo::driver.cameraDirection);
        demo::driver.cameraDistance = capture.cameraDistance;
        scene.spinAngle = capture.spinAngle;
        scene.bufferTexture = &into;
        if (&into == captures.texture || capture.lists->capture != captures.texture) {
            demoDrawGlowCapture(*capture.lists);
        } else {
            BeadDecisions lists = *capture.lists;
            lists.capture = &into;
            demoDrawGlowCapture(lists);
        }
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
        render(captures, i, i + 1, *captures.texture);
        std::optional<KeptGlow> pixels = KeptGlow::of(readTexturePixels(*captures.texture));
        if (!pixels) return false;  // not a capture's pixels: nothing to compare
        fromBlack.push_back(std::move(*pixels));
    }
    fillTexture(*captures.texture, 255);
    for (size_t i = first; i < before; ++i) {
        render(captures, i, i + 1, *captures.texture);
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

size_t GlowHistory::firstUnkept(const Captures& captures, size_t from) {
    for (size_t index = from / KEEP_EVERY * KEEP_EVERY + KEEP_EVERY - 1; index < captures.made.size();
         index += KEEP_EVERY) {
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

// Puts the start's pixels in `into`; false when it has none (not exact).
bool GlowHistory::putStartPixels(const ExactStart& start, const Texture& into) {
    if (start.kept != nullptr) {
        writeTexturePixels(into, start.kept->pixels());
    } else if (start.originPixels != nullptr) {
        writeTexturePixels(into, *start.originPixels);
    } else {
        return false;
    }
    return true;
}

// Capture `index` rendered from exact pixels, and its pixels kept when wanted.
void GlowHistory::renderExact(Captures& captures, size_t index, Texture& into) {
    render(captures, index, index + 1, into);
    if (!wanted(captures, index)) return;  // no read-back for nothing
    if (std::optional<KeptGlow> pixels = KeptGlow::of(readTexturePixels(into))) keepIfDue(captures, index, *pixels);
}

// Captures from the start's on to `to`, from its pixels (a start without any renders
// from the texture as it is, and keeps nothing).
void GlowHistory::renderFrom(Captures& captures, const ExactStart& start, size_t to) {
    Texture& texture = *captures.texture;
    if (!putStartPixels(start, texture)) {
        render(captures, start.index, to, texture);
        return;
    }
    for (size_t i = start.index; i < to; ++i) renderExact(captures, i, texture);
}

void GlowHistory::catchUp(Texture* texture, int64_t now, const GlowOrigin& origin) {
    auto entry = std::find_if(textures_.begin(), textures_.end(),
                              [texture](const Captures& c) { return c.texture == texture; });
    if (entry == textures_.end() || !entry->behind) return;
    const ShowValues show = showValuesNow();
    const size_t before = indexOf(*entry, now);
    takeBackAfterRejoin(*entry, before);
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
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    bool more = false;
    for (Captures& captures : textures_) {
        if (more && std::chrono::steady_clock::now() >= deadline) break;  // the next call goes on
        more = renderAheadOf(captures, origin, deadline) || more;
    }
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    restoreShowValues(show);
    return more;
}

// One capture at a time, from the latest exact pixels before the first wanted one on,
// keeping those wanted, until none is left or the next would end past the deadline
// (one at least); the twin keeps where it stopped. False once none is left, or none
// can be kept (no exact start, or pixels that are not a capture's).
bool GlowHistory::renderAheadOf(Captures& captures, const GlowOrigin& origin,
                                std::chrono::steady_clock::time_point deadline) {
    size_t unkept = firstUnkept(captures);
    if (unkept == captures.made.size()) return false;
    if (!captures.ahead) captures.ahead = std::make_unique<TextureTwin>(*captures.texture);
    Texture& twin = captures.ahead->texture();
    while (unkept < captures.made.size()) {
        const ExactStart start = exactStartBefore(captures, unkept, origin);
        const std::optional<size_t>& at = captures.aheadAt;
        if (!at || *at < start.index || *at > unkept) {  // the twin is not on the way there
            if (!putStartPixels(start, twin)) return false;
            captures.aheadAt = start.index;
        }
        const auto began = std::chrono::steady_clock::now();
        const size_t rendered = (*captures.aheadAt)++;
        renderExact(captures, rendered, twin);
        if (rendered == unkept && wanted(captures, unkept)) return false;  // could not be kept
        unkept = firstUnkept(captures, unkept);
        const auto now = std::chrono::steady_clock::now();
        if (now + (now - began) > deadline) break;  // the next one would end past it
    }
    return unkept < captures.made.size();
}

void GlowHistory::catchUpAll(int64_t now, const GlowOrigin& origin) {
    for (Captures& captures : textures_) catchUp(captures.texture, now, origin);
}
