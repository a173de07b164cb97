// The bead shells: what a sync action decides at random for palikatList and
// kummaList, compiling those lists from the decisions, and the palikat, kumma and
// wireframe layers that replay them. Drawing order is the caller's.
#pragma once

#include <cstdint>
#include <vector>

class Scene;
class Texture;

struct PalikatBead {
    float t = 0.0f;  // ring parameter
    float angle = 0.0f;
    int32_t detail = 0;
    float radius = 0.0f;
    bool operator==(const PalikatBead& o) const {
        return t == o.t && angle == o.angle && detail == o.detail && radius == o.radius;
    }
};

struct KummaBead {
    float t = 0.0f;
    float angle = 0.0f;
    float radius = 0.0f;
    float alpha = 0.0f;
    bool operator==(const KummaBead& o) const {
        return t == o.t && angle == o.angle && radius == o.radius && alpha == o.alpha;
    }
};

// Everything the two lists of one sync action hold, so that they can be compiled
// later, or again, without a draw from the random sequence.
struct BeadDecisions {
    float shellRadius = 0.0f;
    bool scaled = false;  // the palikat shell's random stretch, applied x, y, z
    float stretch[3] = {1.0f, 1.0f, 1.0f};
    std::vector<PalikatBead> palikat;
    std::vector<KummaBead> kumma;
    Texture* reflection = nullptr;  // the palikat beads' texture
    Texture* capture = nullptr;     // the glow capture: the core sphere's and the kumma beads' texture

    bool operator==(const BeadDecisions& o) const {
        return shellRadius == o.shellRadius && scaled == o.scaled && stretch[0] == o.stretch[0] &&
               stretch[1] == o.stretch[1] && stretch[2] == o.stretch[2] && palikat == o.palikat &&
               kumma == o.kumma && reflection == o.reflection && capture == o.capture;
    }
};

// The palikat draws in the show's order: the stretch (when scaledOn), the angular
// step, then radius and detail bead by bead. Textures are taken from the scene.
void decidePalikatBeads(const Scene& scene, float shellRadius, BeadDecisions& decisions);
// The kumma draws: radius, opacity and the next angle, bead by bead.
void decideKummaBeads(BeadDecisions& decisions);

// Compile into the scene's list names. The lists record the bead sphere's state
// bead by bead; the matrix is pushed and popped around each compilation.
void compilePalikatList(Scene& scene, const BeadDecisions& decisions);
void compileKummaList(Scene& scene, const BeadDecisions& decisions);
// What palikatList holds, drawn at once instead: no list is made (the GL keeps
// some memory for every list compiled, so a replay's glow draws without one).
void drawPalikatShell(Scene& scene, const BeadDecisions& decisions);

void drawPalikatLayer(const Scene& scene);
void drawKummaLayer(const Scene& scene);
// Leaves its two scales on the modelview and the polygon mode at GL_LINE: the
// later layers of the frame inherit both until the scene's final pop.
void drawWireframeLayer(const Scene& scene);
