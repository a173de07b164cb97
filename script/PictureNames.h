// The pictures a script may name by file: the overlay's slots by number ("init picture N FILE")
// and the scene's textures by role ("init texture ROLE FILE"). Only the names and the words that
// pick them; which file each has by default, and what shows it, is the scene's table.
#pragma once

#include <cstddef>
#include <cstdint>

// Overlay slots 0 to 17, the numbers the picture events take.
constexpr int32_t PICTURE_SLOTS = 18;

// The scene's textures by what they are for.
enum TextureRole : int32_t {
    ROLE_REFLECT = 0,  // the mirror picture on the beads
    ROLE_NOISE,        // the tube's skin
    ROLE_ELEKTRO1,     // the four electric bands
    ROLE_ELEKTRO2,
    ROLE_ELEKTRO3,
    ROLE_ELEKTRO4,
    TEXTURE_ROLES,
};

// Role names as the script writes them, by role.
extern const char* const TEXTURE_ROLE_NAMES[TEXTURE_ROLES];

// The role a word names (exact, case-sensitive), or -1.
int32_t textureRoleOf(const char* word);
// The slot a word names: a whole number 0 to 17 and nothing after it; -1 for anything else.
int32_t pictureSlotOf(const char* word);

// The files a script names; "" where it names none, and the picture keeps its usual file.
struct PictureNames {
    static constexpr std::size_t FILE_SIZE = 80;
    char slots[PICTURE_SLOTS][FILE_SIZE] = {};
    char roles[TEXTURE_ROLES][FILE_SIZE] = {};
};
