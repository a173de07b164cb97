// Mapping of SDL key codes to Windows virtual-key codes (letters 65-90, digits
// 48-57, F1-F12 112-123, arrows 37-40, ...). Keys without a code map to 0.
#include "app/VirtualKeys.h"

#include <SDL_keycode.h>

namespace {

struct KeyPair {
    SDL_Keycode sdl;
    int32_t vk;
};

constexpr KeyPair NAMED_KEYS[] = {
    {SDLK_BACKSPACE, 8},     {SDLK_TAB, 9},          {SDLK_RETURN, 13},        {SDLK_KP_ENTER, 13},
    {SDLK_LSHIFT, 16},       {SDLK_RSHIFT, 16},      {SDLK_LCTRL, 17},         {SDLK_RCTRL, 17},
    {SDLK_PAUSE, 19},        {SDLK_CAPSLOCK, 20},    {SDLK_ESCAPE, 27},        {SDLK_SPACE, 32},
    {SDLK_PAGEUP, 33},       {SDLK_PAGEDOWN, 34},    {SDLK_END, 35},           {SDLK_HOME, 36},
    {SDLK_LEFT, 37},         {SDLK_UP, 38},          {SDLK_RIGHT, 39},         {SDLK_DOWN, 40},
    {SDLK_PRINTSCREEN, 44},  {SDLK_INSERT, 45},      {SDLK_DELETE, 46},        {SDLK_LGUI, 91},
    {SDLK_RGUI, 92},         {SDLK_APPLICATION, 93}, {SDLK_KP_MULTIPLY, 106},  {SDLK_KP_PLUS, 107},
    {SDLK_KP_MINUS, 109},    {SDLK_KP_PERIOD, 110},  {SDLK_KP_DIVIDE, 111},    {SDLK_NUMLOCKCLEAR, 144},
    {SDLK_SCROLLLOCK, 145},  {SDLK_SEMICOLON, 186},  {SDLK_EQUALS, 187},       {SDLK_COMMA, 188},
    {SDLK_MINUS, 189},       {SDLK_PERIOD, 190},     {SDLK_SLASH, 191},        {SDLK_BACKQUOTE, 192},
    {SDLK_LEFTBRACKET, 219}, {SDLK_BACKSLASH, 220},  {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222},
};

constexpr SDL_Keycode KEYPAD_DIGITS[] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                                         SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};

}  // namespace

int32_t virtualKeyFromSdl(int32_t sdlKeycode) {
    if (sdlKeycode >= SDLK_a && sdlKeycode <= SDLK_z) return 'A' + (sdlKeycode - SDLK_a);
    if (sdlKeycode >= SDLK_0 && sdlKeycode <= SDLK_9) return '0' + (sdlKeycode - SDLK_0);
    if (sdlKeycode >= SDLK_F1 && sdlKeycode <= SDLK_F12) return 112 + (sdlKeycode - SDLK_F1);
    for (int digit = 0; digit < 10; ++digit) {
        if (KEYPAD_DIGITS[digit] == sdlKeycode) return 96 + digit;
    }
    for (const KeyPair& pair : NAMED_KEYS) {
        if (pair.sdl == sdlKeycode) return pair.vk;
    }
    return 0;
}
