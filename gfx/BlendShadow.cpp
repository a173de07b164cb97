// Following the blend state through binds, and restoring it.
#include "gfx/BlendShadow.h"

#include <GL/gl.h>

#include "gfx/Texture.h"

void BlendShadow::follow(const Texture* texture) {
    if (texture == nullptr || texture->textureId == 0) return;
    const int32_t mode = texture->blendMode;
    enabled = mode >= BLEND_ALPHA && mode <= BLEND_ADD;
    if (enabled) functionMode = mode;
}

void BlendShadow::apply() const {
    if (functionMode == 0) {
        glBlendFunc(GL_ONE, GL_ZERO);
    } else {
        applyBlendMode(functionMode);
    }
    if (!enabled) glDisable(GL_BLEND);
}
