// How the shell opens its window besides what the show itself asks for: a plain
// show's window that can be resized and maximised, the editor's large window at
// the size it was left at, and --fill, full screen at the desktop's own size
// instead of a switch to 640 x 480. The picture follows the window's size, drawn
// at it as --size draws captures. Needs SDL's video started.
#pragma once

#include <cstdint>

struct GLWindow;
class Player;

enum class WindowKind {
    Show,    // 640 x 480 (or the question's full screen), resizable when windowed
    Editor,  // --edit: the size remembered, else min(1600 x 1000, three quarters of the desktop)
    Fill,    // --fill: full screen at the desktop's size
};

struct WindowOpening {
    WindowKind kind = WindowKind::Show;
    int32_t width = 640;
    int32_t height = 480;
    bool maximized = false;
};

// Chooses the opening for `kind` and the window's mode (its `fullscreen`), and sets
// the window's size to it. The editor full screen is the show's switch to 640 x 480.
void prepareWindowOpening(WindowKind kind, GLWindow& window);
const WindowOpening& windowOpening();
// The flags SDL creates the window with beyond OpenGL and shown: resizable, maximised,
// full screen at the desktop's size.
uint32_t openingFlags(bool fullscreen);
// The editor's default size on a desktop of that size.
void defaultEditorWindow(int32_t desktopWidth, int32_t desktopHeight, int32_t& width, int32_t& height);
// The user interface's scale on this display: `asked` when given (above 0), else the
// display's dots per inch over 96, in quarters, at least 1.
float userInterfaceScale(float asked);
// A window resized to `width` x `height`: `follower` (null while the editor places
// the picture) puts the show's picture at the new size. The same size again is the
// size event as it always was (the viewport reset).
void followWindowSize(GLWindow& window, int32_t width, int32_t height, Player* follower);
