// The desktop's size is SDL's desktop display mode of the first display; a size
// remembered from a larger desktop is kept inside this one's usable bounds.
#include "app/WindowOpening.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "app/Shell.h"
#include "editor/EditorLayout.h"
#include "editor/EditorSettings.h"
#include "gfx/PictureArea.h"

namespace {

WindowOpening opening;

constexpr int32_t EDITOR_WIDTH = 1600;
constexpr int32_t EDITOR_HEIGHT = 1000;
constexpr float STANDARD_DPI = 96.0f;
constexpr float LARGEST_SCALE = 4.0f;

void desktopSize(int32_t& width, int32_t& height) {
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.w > 0 && mode.h > 0) {
        width = mode.w;
        height = mode.h;
    } else {
        width = EDITOR_WIDTH;
        height = EDITOR_HEIGHT;
    }
}

void editorSize(int32_t& width, int32_t& height, bool& maximized) {
    const EditorSettings settings = readEditorSettings(editorSettingsPath());
    int32_t desktopWidth = 0;
    int32_t desktopHeight = 0;
    desktopSize(desktopWidth, desktopHeight);
    defaultEditorWindow(desktopWidth, desktopHeight, width, height);
    maximized = settings.maximized;
    if (settings.windowWidth <= 0) return;
    SDL_Rect usable{0, 0, desktopWidth, desktopHeight};
    SDL_GetDisplayUsableBounds(0, &usable);
    width = std::min(settings.windowWidth, std::max(usable.w, 1));
    height = std::min(settings.windowHeight, std::max(usable.h, 1));
}

}  // namespace

void defaultEditorWindow(int32_t desktopWidth, int32_t desktopHeight, int32_t& width, int32_t& height) {
    width = std::min(EDITOR_WIDTH, desktopWidth * 3 / 4);
    height = std::min(EDITOR_HEIGHT, desktopHeight * 3 / 4);
}

void prepareWindowOpening(WindowKind kind, GLWindow& window) {
    opening = WindowOpening{};
    opening.kind = kind;
    opening.width = window.width;
    opening.height = window.height;
    if (kind == WindowKind::Editor && !window.fullscreen)
        editorSize(opening.width, opening.height, opening.maximized);
    if (kind == WindowKind::Fill && window.fullscreen) desktopSize(opening.width, opening.height);
    window.width = opening.width;
    window.height = opening.height;
}

const WindowOpening& windowOpening() {
    return opening;
}

uint32_t openingFlags(bool fullscreen) {
    if (opening.kind == WindowKind::Fill && fullscreen) return SDL_WINDOW_FULLSCREEN_DESKTOP;
    if (fullscreen) return 0;
    uint32_t flags = SDL_WINDOW_RESIZABLE;
    if (opening.kind == WindowKind::Editor && opening.maximized) flags |= SDL_WINDOW_MAXIMIZED;
    return flags;
}

float userInterfaceScale(float asked) {
    if (asked > 0.0f) return asked;
    float dpi = 0.0f;
    if (SDL_GetDisplayDPI(0, &dpi, nullptr, nullptr) != 0 || !(dpi > 0.0f)) return 1.0f;
    return std::clamp(std::round(dpi / STANDARD_DPI * 4.0f) / 4.0f, 1.0f, LARGEST_SCALE);
}

void followWindowSize(GLWindow& window, int32_t width, int32_t height, Player* follower) {
    if (width == window.width && height == window.height && pictureArea().isPlainScreen()) {
        resizeViewport(width, height);
        return;
    }
    window.width = width;
    window.height = height;
    if (follower != nullptr) follower->placePicture(pictureAreaIn(width, height));
}
