// The glow feeds on itself: each capture draws the core sphere textured with the
// previous capture into the same texture. A replay draws nothing, so it keeps the
// inputs of every capture into each texture, and before a texture is next used
// its captures are rendered. Rendering all of them could take seconds; instead the
// latest few are rendered twice, once from an all-black and once from an all-white
// start. A capture only ever adds a non-negative share of the previous pixels, so
// it is monotone in them: when both starts end in the same pixels, so does the
// true start, and the result is exact. Otherwise twice as many are rendered, up to
// all of them from the texture's first pixels.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "player/Moment.h"

struct BeadDecisions;
class Texture;

class GlowHistory {
public:
    static constexpr size_t FIRST_TRY = 16;

    // Forgets every kept capture: the textures are as the GL holds them.
    void clear();
    // Keeps the capture the frame just updated is about to make, if the glow is on,
    // and marks its texture as behind.
    void recordFrame();
    // Whether the texture misses captures that a run from the start has made.
    bool behind(const Texture* texture) const;
    // Renders the texture's kept captures until its pixels are a run's from the
    // start (drawing the shells directly, compiling no list), then puts the show
    // back as it was; blending is left to the caller.
    // `first`: the capture textures before the first frame, in the scene's order.
    void catchUp(Texture* texture, const std::vector<KeptCapture>& first);
    void catchUpAll(const std::vector<KeptCapture>& first);
    // Captures rendered so far, for measurements.
    size_t rendered() const { return rendered_; }

private:
    struct Capture {
        float flash = 0.0f;
        float cameraDirection[3] = {};
        float cameraDistance = 0.0f;
        float spinAngle = 0.0f;
        std::shared_ptr<const BeadDecisions> lists;
    };
    struct Captures {
        Texture* texture = nullptr;
        std::vector<Capture> made;
        bool behind = false;
    };

    void render(const Captures& captures, size_t count);
    bool rendersTheSameFromAnyStart(const Captures& captures, size_t count);

    std::vector<Captures> textures_;
    size_t rendered_ = 0;
};
