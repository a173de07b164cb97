// A texture drawn and filled as another is (its drawing fields, filters, wrap and
// mipmap generation) in a GL object of its own, so that what is rendered into it
// leaves the other's pixels as they are.
#pragma once

#include "gfx/Texture.h"

class TextureTwin {
public:
    explicit TextureTwin(const Texture& original);
    ~TextureTwin();
    TextureTwin(const TextureTwin&) = delete;
    TextureTwin& operator=(const TextureTwin&) = delete;

    Texture& texture() { return texture_; }

private:
    Texture texture_;
};
