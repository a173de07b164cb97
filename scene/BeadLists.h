// The bead shells: compiling palikatList and kummaList at a sync action, and the
// palikat, kumma and wireframe layers that replay them. Drawing order is the caller's.
#pragma once

class Scene;

// Compile into the list names the caller generated; the random draws happen in
// the written order. The matrix is pushed and popped around each compilation.
void compilePalikatList(Scene& scene, float shellRadius);
void compileKummaList(Scene& scene, float shellRadius);

void drawPalikatLayer(const Scene& scene);
void drawKummaLayer(const Scene& scene);
// Leaves its two scales on the modelview and the polygon mode at GL_LINE: the
// later layers of the frame inherit both until the scene's final pop.
void drawWireframeLayer(const Scene& scene);
