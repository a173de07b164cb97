// Picking a slot or a role by its word.
#include "script/PictureNames.h"

#include <cstdlib>
#include <cstring>

const char* const TEXTURE_ROLE_NAMES[TEXTURE_ROLES] = {"reflect",  "noise",    "elektro1",
                                                       "elektro2", "elektro3", "elektro4"};

int32_t textureRoleOf(const char* word) {
    for (int32_t role = 0; role < TEXTURE_ROLES; ++role) {
        if (std::strcmp(word, TEXTURE_ROLE_NAMES[role]) == 0) return role;
    }
    return -1;
}

int32_t pictureSlotOf(const char* word) {
    const std::size_t digits = std::strspn(word, "0123456789");
    if (digits == 0 || digits > 2 || word[digits] != '\0') return -1;
    const long slot = std::strtol(word, nullptr, 10);
    return slot < PICTURE_SLOTS ? static_cast<int32_t>(slot) : -1;
}
