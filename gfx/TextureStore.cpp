// The texture store: at most 100 textures, pictures looked up by exact file name
// (the first request decides mask, target and flags), render targets never named.
// Nothing is removed; GL objects end with the context.
#include "gfx/TextureStore.h"

#include <cstring>

#include "gfx/Diagnostics.h"

namespace {

bool isFull(const TextureStore& store) {
    // The tables hold CAPACITY slots, whatever `capacity` has been set to.
    return store.count >= store.capacity || store.count >= TextureStore::CAPACITY;
}

// Created textures leave their name slot empty, so an empty slot never matches.
Texture* findByName(const TextureStore& store, const char* fileName) {
    for (int32_t i = 0; i < store.count; ++i) {
        const char* name = store.names[i];
        if (name[0] != '\0' && std::strcmp(name, fileName) == 0) return store.textures[i].get();
    }
    return nullptr;
}

Texture* addTexture(TextureStore& store) {
    store.textures[store.count] = std::make_unique<Texture>();
    return store.textures[store.count].get();
}

}  // namespace

Texture* TextureStore::load(const char* fileName, const char* maskFileName, GLenum target, uint32_t flags) {
    if (isFull(*this)) return nullptr;
    const size_t length = std::strlen(fileName);
    if (length >= static_cast<size_t>(NAME_SIZE)) {
        reportNameTooLong(fileName, length);
        return nullptr;
    }
    if (Texture* stored = findByName(*this, fileName)) return stored;
    Texture* texture = addTexture(*this);
    texture->loadFromFile(fileName, maskFileName, target, flags, decodedAhead);
    std::memcpy(names[count], fileName, length + 1);
    const char* mask = maskFileName != nullptr ? maskFileName : "";
    if (std::strlen(mask) < static_cast<size_t>(NAME_SIZE)) std::strcpy(maskNames[count], mask);
    loadFlags[count] = flags;
    ++count;
    return texture;
}

Texture* TextureStore::create(int32_t width, int32_t height, int32_t bytesPerPixel, GLenum target,
                              uint32_t flags) {
    if (isFull(*this)) return nullptr;
    Texture* texture = addTexture(*this);
    texture->createEmpty(width, height, bytesPerPixel, target, flags);
    ++count;
    return texture;
}

int32_t TextureStore::reload(const char* file) {
    int32_t replaced = 0;
    for (int32_t i = 0; i < count; ++i) {
        if (namesFile(i, file) && textures[i]->replacePicture(names[i], maskNames[i], loadFlags[i]))
            ++replaced;
    }
    return replaced;
}

bool TextureStore::madeFrom(const Texture* texture, const char* file) const {
    for (int32_t i = 0; i < count; ++i) {
        if (textures[i].get() == texture) return namesFile(i, file);
    }
    return false;
}

bool TextureStore::namesFile(int32_t index, const char* file) const {
    const auto is = [file](const char* name) { return name[0] != '\0' && std::strcmp(name, file) == 0; };
    return is(names[index]) || is(maskNames[index]);
}
