// The entry point's work and the frame loop: ask, register, then per window open,
// start the demo, loop (messages first, then one frame), shut down and close.
// A mode toggle from outside ends one window's loop and opens the other mode.
#include "app/Shell.h"

#include <SDL.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "app/DisplayCheck.h"
#include "app/EditSession.h"
#include "app/KeyLatch.h"
#include "app/MessageBox.h"
#include "app/OutsideSignals.h"
#include "app/VirtualKeys.h"
#include "app/WindowOpening.h"
#include "app/WindowTitle.h"
#include "gfx/PictureArea.h"
#include "script/DemoScript.h"

bool programRunning = false;
bool fullscreenRequest = false;

namespace {

uint32_t quitEventType = 0;         // the quit notice posted by requestQuit
uint32_t toggleEventType = 0;       // the mode toggle, from SIGUSR1
KeyLatch keyLatch;                  // quick taps last until their frame is done
Player* pictureFollower = nullptr;  // the plain show's player: its picture follows the window
bool clearsBars = false;            // a window's buffers are swapped: bars are cleared every frame

class SdlShellServices : public ShellServices {
public:
    void requestQuit(GLWindow& window) override { ::requestQuit(window); }
    void showMessage(const char* text, const char* caption, MessageIcon icon) override {
        ::showMessage(text, caption, icon);
    }
    void swapBuffers(GLWindow& window) override { SDL_GL_SwapWindow(window.window); }
    bool stopAsked() override { return stopRequested(); }
};

void handleWindowEvent(GLWindow& window, const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE:
            requestQuit(window);
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            window.active = false;
            break;
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_SIZE_CHANGED: {
            window.active = true;
            int width = window.width;
            int height = window.height;
            if (window.window != nullptr) SDL_GL_GetDrawableSize(window.window, &width, &height);
            followWindowSize(window, width, height, pictureFollower);
            break;
        }
        default:
            break;
    }
}

void handleKey(GLWindow& window, const SDL_KeyboardEvent& event) {
    if ((event.keysym.mod & KMOD_ALT) != 0) return;  // system keys are not recorded
    const int32_t code = virtualKeyFromSdl(event.keysym.sym);
    if (code <= 0 || code > 255) return;
    if (event.type == SDL_KEYDOWN) {
        keyLatch.press(*window.keys, code);
    } else {
        keyLatch.release(*window.keys, code);
    }
}

// The measured tick difference since the last frame (a run on a virtual clock
// takes its own frame times instead).
uint32_t measuredFrameTime(GLWindow& window) {
    const uint32_t now = SDL_GetTicks();
    const uint32_t dt = now - window.lastTick;  // unsigned: survives the tick count wrapping
    window.lastTick = now;
    return dt;
}

constexpr int PAUSED_WAIT_MS = 100;

void runFrame(GLWindow& window, Player& player, EditSession* edit) {
    if (edit != nullptr) edit->beforeFrame();
    if (clearsBars) clearAroundPicture(window.width, window.height);
    player.frame(measuredFrameTime(window));
    keyLatch.frameDone(*window.keys);
    if (edit != nullptr) edit->afterFrame();
}

void runFrameLoop(GLWindow& window, Player& player, EditSession* edit) {
    bool looping = true;
    restartFrameClock(window);
    keyLatch.reset();
    while (looping) {
        SDL_Event event;
        if (SDL_PollEvent(&event) != 0) {
            if (event.type == quitEventType) {
                looping = false;
            } else {
                windowProcedure(window, event);
                if (edit != nullptr) edit->event(event);
            }
        } else if (window.active && (edit == nullptr || !edit->paused())) {
            runFrame(window, player, edit);
        } else if (edit != nullptr && edit->paused()) {
            if (!edit->workingAhead()) SDL_WaitEventTimeout(nullptr, PAUSED_WAIT_MS);
            edit->idle();
        } else {
            SDL_WaitEvent(nullptr);
        }
    }
}

void runWindow(GLWindow& window, KeyState& keys, Player& player, const EditOptions& editOptions) {
    // A stop during the replay to the start ends it early: no frame of the wrong moment is drawn.
    if (!player.open(window, keys, shellServices()) || stopRequested()) {
        requestQuit(window);
        return;
    }
    std::unique_ptr<EditSession> edit;
    if (editOptions.enabled) edit = std::make_unique<EditSession>(player, window, editOptions);
    pictureFollower = edit == nullptr ? &player : nullptr;
    runFrameLoop(window, player, edit.get());
    pictureFollower = nullptr;
}

bool askFullscreen(ScreenChoice screen) {
    switch (screen) {
        case ScreenChoice::Windowed:
            return false;
        case ScreenChoice::Fullscreen:
            return true;
        case ScreenChoice::Ask:
            break;
    }
    return askYesNo("Fullscreen?", "Start FullScreen?");
}

// A deterministic run shows nothing: it renders offscreen unless told otherwise
// and writes its messages to standard error instead of boxes.
void prepareDeterministicRun() {
    setMessagesToStderr(true);
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
}

}  // namespace

void restartFrameClock(GLWindow& window) {
    window.lastTick = SDL_GetTicks();
}

ShellServices& shellServices() {
    static SdlShellServices services;
    return services;
}

void requestQuit(GLWindow& window) {
    (void)window;
    SDL_Event event{};
    event.type = quitEventType;
    SDL_PushEvent(&event);
    programRunning = false;
}

bool registerWindowClass(Application& app) {
    (void)app;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        showError("RegisterClassEx Failed!");
        return false;
    }
    const Uint32 first = SDL_RegisterEvents(2);
    if (first == static_cast<Uint32>(-1)) {
        SDL_Quit();
        showError("RegisterClassEx Failed!");
        return false;
    }
    quitEventType = first;
    toggleEventType = first + 1;
    return true;
}

void unregisterWindowClass(Application& app) {
    (void)app;
    SDL_Quit();
}

void windowProcedure(GLWindow& window, const SDL_Event& event) {
    if (event.type == toggleEventType) {
        fullscreenRequest = !fullscreenRequest;
        SDL_Event quit{};
        quit.type = quitEventType;  // ends this window's loop; programRunning stays set
        SDL_PushEvent(&quit);
        return;
    }
    switch (event.type) {
        case SDL_QUIT:
            requestQuit(window);
            break;
        case SDL_WINDOWEVENT:
            handleWindowEvent(window, event.window);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            handleKey(window, event.key);
            break;
        default:
            break;
    }
}

int runShell(const ShellRun& run) {
    Application app;
    KeyState keys;
    GLWindow window;
    window.keys = &keys;
    window.app = &app;
    window.width = run.plan.frameWidth;
    window.height = run.plan.frameHeight;
    const std::string title = windowTitleOf(DemoScript::SCRIPT_FILE);
    window.title = title.c_str();

    if (run.offscreen) {
        prepareDeterministicRun();
        window.fullscreen = false;
    } else {
        window.fullscreen = askFullscreen(run.screen);
        if (stopRequested()) return 0;  // stopped from outside while the question was up
    }

    if (!registerWindowClass(app)) {
        showError("Error Registering Window Class!");
        return -1;
    }
    if (!run.offscreen && !requireShowingVideoDriver()) {
        unregisterWindowClass(app);
        return 1;
    }
    deliverSignalsAsEvents(toggleEventType);
    programRunning = true;
    fullscreenRequest = window.fullscreen;

    Player player(run.plan);
    clearsBars = !run.offscreen;
    const WindowKind kind = run.edit.enabled ? WindowKind::Editor
                            : run.fill       ? WindowKind::Fill
                                             : WindowKind::Show;
    while (programRunning) {
        window.fullscreen = fullscreenRequest;
        window.width = run.plan.frameWidth;
        window.height = run.plan.frameHeight;
        prepareWindowOpening(kind, window);
        if (!openGLWindow(window)) {
            showError("Error Creating OpenGL Window");
            programRunning = false;
            continue;
        }
        runWindow(window, keys, player, run.edit);
        player.close();
        closeGLWindow(window);
    }

    holdSignalEvents();
    unregisterWindowClass(app);
    return 0;
}
