// The one place textures are made: pictures by file name (each loaded once) and
// empty render targets. Owns every Texture; holds at most 100.
#pragma once

#include <memory>

#include "gfx/Texture.h"

class TextureStore {
public:
    static constexpr int32_t CAPACITY = 100;
    static constexpr int32_t NAME_SIZE = 100;

    // The texture of that file, loading it on first request; null when the store is
    // full or the name does not fit its slot. "" as mask means no mask.
    Texture* load(const char* fileName, const char* maskFileName, GLenum target, uint32_t flags);
    // A new empty texture, never shared by name; null when the store is full.
    Texture* create(int32_t width, int32_t height, int32_t bytesPerPixel, GLenum target, uint32_t flags);
    // Decodes again every picture that `file` is, or is the mask of, into its own
    // texture (no new GL object); how many were replaced.
    int32_t reload(const char* file);
    // Whether `file` is the picture of `texture`, or its mask (what reload(file) replaces).
    bool madeFrom(const Texture* texture, const char* file) const;

    // Pictures decoded ahead on a worker, taken from while set; not owned.
    ImagePrefetch* decodedAhead = nullptr;
    int32_t capacity = CAPACITY;
    int32_t count = 0;
    std::unique_ptr<Texture> textures[CAPACITY];
    char names[CAPACITY][NAME_SIZE] = {};
    // What each picture was loaded with, to load it again the same way.
    char maskNames[CAPACITY][NAME_SIZE] = {};
    uint32_t loadFlags[CAPACITY] = {};

private:
    bool namesFile(int32_t index, const char* file) const;
};
