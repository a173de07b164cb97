// The glow feeds on itself: each capture draws the core sphere textured with the
// previous capture into the same texture. A replay draws nothing, so the inputs of
// every capture into each texture are kept, frame by frame of the replay's
// schedule, and before a texture is next used its captures are rendered. The kept
// inputs form a log from an origin (a moment whose pixels are known) on: the same
// show gives the same inputs at the same frame, so replays, checkpoints and seeks
// share it until a reload changes the show from some frame on.
//
// Rendering all of a texture's captures could take seconds; instead the latest few
// are rendered from an all-black start, then from an all-white one until the two
// meet. A capture only ever adds a non-negative share of the previous pixels, so
// it is monotone in them: once both starts give the same pixels, so does the true
// start, and the result is exact. When they do not meet, twice as many are tried,
// and once that would cost more than all of them, all are rendered from the
// latest exact pixels: the origin's, or those kept after a capture. Every capture
// rendered from exact pixels keeps them every KEEP_EVERY captures of its texture,
// and renderAhead() renders the log ahead of need until they are kept throughout:
// then a catch-up anywhere renders fewer than KEEP_EVERY captures. It renders one
// capture at a time into a twin of the texture, where it stays until the next call:
// a budget of a few milliseconds between the frames of a playing show goes on where
// the last one ended, at no cost to the show's own pixels.
//
// A change to the show sets the log aside from its first changed frame rather than
// forgetting it: the pixels after a capture follow from the captures before it alone,
// so while the replay logs the very captures set aside (frame and inputs), the pixels
// kept after them are taken back. A change the glow does not see keeps them all. When
// the captures differ for a while and then are the same again (a camera distance the
// next one replaces), a catch-up past that point first tries whether the glow forgot
// the difference: runs from all black and all white from there that meet show that
// the pixels are the same as those set aside, which then come back too.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "gfx/TextureTwin.h"
#include "player/KeptGlow.h"
#include "player/Moment.h"

struct BeadDecisions;

// Pixels known exactly: the capture textures at the start of frame `frame`, in the scene's order.
struct GlowOrigin {
    const std::vector<KeptCapture>* captures = nullptr;
    int64_t frame = 0;
};

class GlowHistory {
public:
    static constexpr size_t FIRST_TRY = 16;
    static constexpr size_t KEEP_EVERY = 16;
    // The most captures tried from where a change's captures are the same again.
    static constexpr size_t LONGEST_REJOIN_TRY = 32;

    // Forgets every kept capture; the log starts again at frame `from`.
    void clear(int64_t from = 0);
    // Sets the captures of frame `frame` on aside (the show changed from there): their
    // kept pixels come back as far as the log records the same captures again.
    void setAsideFrom(int64_t frame);
    // Forgets the pixels kept after captures (they were rendered elsewhere).
    void forgetKept();
    // The frame the log has reached: every frame before it, from the origin on, is kept.
    int64_t end() const { return end_; }
    // The frame just updated is about to make its capture (if the glow is on): kept
    // when it is the log's next frame, and when `skipped`, its texture is behind.
    void recordFrame(int64_t frame, bool skipped);
    // Every texture with kept captures is behind (their pixels are the origin's now),
    // or none is (their pixels are exact, as a kept moment puts them back).
    void markAllBehind();
    void markNoneBehind();
    // Whether the texture misses captures that a run from the start has made.
    bool behind(const Texture* texture) const;
    // Renders the texture's captures before frame `now` until its pixels are a run's
    // from the start (drawing the shells directly, compiling no list), then puts the
    // show back as it was; blending is left to the caller.
    void catchUp(Texture* texture, int64_t now, const GlowOrigin& origin);
    void catchUpAll(int64_t now, const GlowOrigin& origin);
    // Renders captures of the log from `origin` (its start) on, ahead of need, keeping
    // their pixels, until every texture's are kept throughout or `deadline` passes;
    // false once they are. It draws into the textures' twins only, and puts the show
    // and the texture binding back as they were.
    bool renderAhead(const GlowOrigin& origin, std::chrono::steady_clock::time_point deadline);
    // Captures rendered so far, for measurements.
    size_t rendered() const { return rendered_; }

private:
    struct Capture {
        int64_t frame = 0;
        float flash = 0.0f;
        float cameraDirection[3] = {};
        float cameraDistance = 0.0f;
        float spinAngle = 0.0f;
        std::shared_ptr<const BeadDecisions> lists;
        bool operator==(const Capture& o) const;
    };
    // The captures a change set aside, in their order, with the pixels kept after them;
    // `next` is the first the log has not reached again. `sameSince`: the frame from
    // which every capture logged again was the same as the one set aside (none after one
    // that differs); `samePixels`: so are the pixels after the latest one logged.
    struct SetAside {
        std::vector<Capture> made;
        std::map<int64_t, KeptGlow> kept;
        size_t next = 0;
        std::optional<int64_t> sameSince;
        bool samePixels = true;
        // Still the same show and pixels up to the log's end `end`: what is left starts there or later.
        bool matchesUpTo(int64_t end) const {
            return samePixels && next < made.size() && made[next].frame >= end;
        }
        void differs() {
            sameSince.reset();
            samePixels = false;
        }
    };
    struct Captures {
        Texture* texture = nullptr;
        std::vector<Capture> made;  // ascending frames
        bool behind = false;
        std::map<int64_t, KeptGlow> kept;  // exact pixels just after the capture of each frame
        // Rendering ahead draws into a twin of the texture, leaving the show's pixels be;
        // the twin holds exact pixels just before capture `aheadAt`, where it stopped last.
        std::unique_ptr<TextureTwin> ahead;
        std::optional<size_t> aheadAt;
        SetAside setAside;
    };
    // The latest exact pixels before a capture: kept after an earlier one, or the origin's.
    struct ExactStart {
        size_t index = 0;                             // the first capture to render from them
        const KeptGlow* kept = nullptr;               // kept pixels, or when null,
        const TexturePixels* originPixels = nullptr;  // the origin's (none: not exact)
    };

    // The capture just logged against the next one set aside: the same, its kept pixels
    // back while the pixels are the same too.
    static void takeBackKept(Captures& captures);
    // Before a catch-up to capture `before`: where the captures logged are the same as
    // those set aside again, whether the glow forgot the difference soon after.
    void takeBackAfterRejoin(Captures& captures, size_t before);
    void render(const Captures& captures, size_t from, size_t to, Texture& into);
    static bool putStartPixels(const ExactStart& start, const Texture& into);
    void renderExact(Captures& captures, size_t index, Texture& into);
    void renderFrom(Captures& captures, const ExactStart& start, size_t to);
    bool settlesWithin(Captures& captures, size_t before, size_t count);
    bool renderAheadOf(Captures& captures, const GlowOrigin& origin, std::chrono::steady_clock::time_point deadline);
    ExactStart exactStartBefore(const Captures& captures, size_t index, const GlowOrigin& origin) const;
    // Pixels are kept just after every KEEP_EVERY-th capture of a texture.
    static bool due(size_t index);
    // Due and not kept yet.
    static bool wanted(const Captures& captures, size_t index);
    static void keepIfDue(Captures& captures, size_t index, const KeptGlow& pixels);
    // The first index wanted at or after `from`; made.size() when none.
    static size_t firstUnkept(const Captures& captures, size_t from = 0);
    // The index of the first capture at or after `frame`.
    static size_t indexOf(const Captures& captures, int64_t frame);

    std::vector<Captures> textures_;
    int64_t end_ = 0;
    size_t rendered_ = 0;
};
