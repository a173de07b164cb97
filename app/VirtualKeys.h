// SDL key codes to the Windows virtual-key codes that KeyState is indexed by.
#pragma once

#include <cstdint>

// The virtual-key code of an SDL key, or 0 when it has none.
int32_t virtualKeyFromSdl(int32_t sdlKeycode);
