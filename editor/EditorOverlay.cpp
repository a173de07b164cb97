// One Dear ImGui context per overlay (one per window: the mode toggle makes a new
// one); no settings or log files are written. The script and the song are read on
// a worker thread whenever the feed's revision moves, and the panels that need them
// wait, saying so. The platform half of Dear ImGui runs only on a real SDL window.
#include "editor/EditorOverlay.h"

#include <GL/gl.h>
#include <imgui.h>
#include <imgui_impl_opengl2.h>
#include <imgui_impl_sdl.h>

#include <cfloat>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <future>
#include <initializer_list>
#include <string>

#include "editor/EditorLayout.h"
#include "editor/FindingsPanel.h"
#include "editor/FrameTimeGraph.h"
#include "editor/FrameTimes.h"
#include "editor/FrozenFrame.h"
#include "editor/GlStateGuard.h"
#include "editor/ScriptPanel.h"
#include "editor/ShowNotes.h"
#include "editor/TimelineStrip.h"
#include "editor/TransportBar.h"
#include "scene/SceneLayers.h"

namespace {

constexpr float PANEL_ALPHA = 0.80f;
constexpr float PANEL_GREY = 0.06f;
// Panel backgrounds are painted beforehand as flat colour (see paintPanelBacks).
// Title bars are left out too: a heading line in the panel costs only its letters.
constexpr ImGuiWindowFlags PANEL_FLAGS =
    ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoCollapse |
    ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoFocusOnAppearing |
    ImGuiWindowFlags_NoBringToFrontOnFocus | ImGuiWindowFlags_NoBackground | ImGuiWindowFlags_NoTitleBar;
constexpr ImGuiWindowFlags FIXED_FLAGS =
    PANEL_FLAGS | ImGuiWindowFlags_NoScrollbar | ImGuiWindowFlags_NoScrollWithMouse;

double wallSeconds() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

void styleOverlay() {
    ImGui::StyleColorsDark();
    ImGuiStyle& style = ImGui::GetStyle();
    style.WindowRounding = 0.0f;
    style.WindowBorderSize = 0.0f;
    style.WindowPadding = {4.0f, 3.0f};
    style.FramePadding = {4.0f, 1.0f};
    style.ItemSpacing = {4.0f, 2.0f};
}

// Dear ImGui fills every window through its font texture; a software renderer fills
// untextured colour much faster, so the panels' backs are painted here first. The
// strip paints its own opaque picture.
void paintPanelBacks(const EditorLayout& layout, float width, float height) {
    glMatrixMode(GL_PROJECTION);
    glOrtho(0.0, width, height, 0.0, -1.0, 1.0);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(PANEL_GREY, PANEL_GREY, PANEL_GREY, PANEL_ALPHA);
    for (const PanelRect* panel : {&layout.transport, &layout.script, &layout.findings, &layout.frameTimes})
        glRectf(panel->x, panel->y, panel->x + panel->width, panel->y + panel->height);
}

// Starts a panel at its place, under its heading when it has one; false when it
// draws nothing.
bool beginPanel(const char* name, const PanelRect& rect, ImGuiWindowFlags flags,
                const char* heading = nullptr) {
    ImGui::SetNextWindowPos({rect.x, rect.y}, ImGuiCond_Always);
    ImGui::SetNextWindowSize({rect.width, rect.height}, ImGuiCond_Always);
    const bool open = ImGui::Begin(name, nullptr, flags);
    if (open && heading != nullptr) ImGui::TextDisabled("%s", heading);
    return open;
}

}  // namespace

struct EditorOverlay::Parts {
    const EditorFeed& feed;
    const Player& player;
    GLWindow& window;
    ImGuiContext* context = nullptr;
    bool platform = false;  // Dear ImGui's SDL half runs: the window is a real SDL window
    bool shown = true;
    bool fontSharp = false;
    ImVec2 pointer{-1.0f, -1.0f};  // from the latest motion event; negative: none yet

    FrozenFrame frozen;
    FrameTimes times;
    double lastFrameAt = 0.0;
    TimelineStrip strip;
    ScriptPanel script;
    std::vector<EditorAction> actions;

    std::unique_ptr<ShowNotes> notes;
    std::future<ShowNotes> reading;
    uint32_t readRevision = 0;
    bool readStarted = false;

    Parts(const EditorFeed& feedIn, const Player& playerIn, GLWindow& windowIn)
        : feed(feedIn), player(playerIn), window(windowIn) {}

    void readNotesWhenNew();
    void draw();
    void newFrame();
    void drawPanels();
};

void EditorOverlay::Parts::readNotesWhenNew() {
    if (reading.valid()) {
        if (reading.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
        notes = std::make_unique<ShowNotes>(reading.get());
        strip.notesChanged();
    }
    if (readStarted && readRevision == feed.revision) return;
    readStarted = true;
    readRevision = feed.revision;
    // The worker reads only files and what it is handed; the song's waveform of the
    // notes on show is reused when the script still names that song.
    reading = std::async(std::launch::async,
                         [path = feed.scriptPath, findings = feed.findings, known = notes.get()] {
                             return readShowNotes(path, findings, known);
                         });
}

void EditorOverlay::Parts::newFrame() {
    ImGui_ImplOpenGL2_NewFrame();
    if (!fontSharp) {
        // The default font is drawn for whole pixels: nearest sampling shows it as it
        // is, and costs a software renderer far less than filtering every fragment.
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        glBindTexture(GL_TEXTURE_2D,
                      static_cast<GLuint>(reinterpret_cast<intptr_t>(ImGui::GetIO().Fonts->TexID)));
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
        fontSharp = true;
    }
    if (platform) {
        ImGui_ImplSDL2_NewFrame();
        ImGuiIO& io = ImGui::GetIO();
        const bool overWindow = io.MousePos.x > -FLT_MAX / 2.0f;  // or held by it
        if (overWindow && pointer.x >= 0.0f) io.MousePos = pointer;
    } else {
        ImGuiIO& io = ImGui::GetIO();
        io.DisplaySize = {static_cast<float>(window.width), static_cast<float>(window.height)};
        io.DeltaTime = 1.0f / 60.0f;
    }
    ImGui::NewFrame();
}

void EditorOverlay::Parts::drawPanels() {
    const ImGuiIO& io = ImGui::GetIO();
    const EditorLayout layout = editorLayout(io.DisplaySize.x, io.DisplaySize.y);
    const double play = player.songSeconds();
    const char* waiting = notes == nullptr ? "reading the script and the song" : "";

    if (beginPanel("##transport", layout.transport, FIXED_FLAGS))
        drawTransportBar(feed, play, player.script(), waiting, actions);
    ImGui::End();
    if (beginPanel("##script", layout.script, FIXED_FLAGS, "script") && notes != nullptr)
        script.draw(*notes, play, actions);
    ImGui::End();
    const std::string findingsHeading = "findings of the show check: " + std::to_string(feed.findings.size());
    if (beginPanel("##findings", layout.findings, PANEL_FLAGS, findingsHeading.c_str()))
        drawFindings(feed.findings, script, actions);
    ImGui::End();
    char framesHeading[64];
    std::snprintf(framesHeading, sizeof framesHeading, "frame time, longest %.1f ms",
                  static_cast<double>(times.longestMs()));
    if (beginPanel("##frames", layout.frameTimes, FIXED_FLAGS, framesHeading))
        drawFrameTimeGraph(times, lastFrameAt, notes != nullptr ? &notes->timeline : nullptr);
    ImGui::End();
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, {0.0f, 0.0f});
    if (beginPanel("##timeline", layout.timeline, FIXED_FLAGS) && notes != nullptr) {
        const StripTransport transport{play, !feed.paused, feed.looping, feed.loopStartMs, feed.loopEndMs};
        strip.draw(*notes, transport, script, actions);
    }
    ImGui::End();
    ImGui::PopStyleVar();
}

void EditorOverlay::Parts::draw() {
    ImGui::SetCurrentContext(context);
    readNotesWhenNew();
    // Panels may paint textures while they are laid out: the guard covers that too.
    const GlStateGuard guard;
    newFrame();
    drawPanels();
    ImGui::Render();
    useFlatState();
    const ImGuiIO& io = ImGui::GetIO();
    glViewport(0, 0, static_cast<GLsizei>(io.DisplaySize.x), static_cast<GLsizei>(io.DisplaySize.y));
    paintPanelBacks(editorLayout(io.DisplaySize.x, io.DisplaySize.y), io.DisplaySize.x, io.DisplaySize.y);
    ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
}

EditorOverlay::EditorOverlay(const EditorFeed& feed, const Player& player, GLWindow& window)
    : parts_(std::make_unique<Parts>(feed, player, window)) {
    Parts& p = *parts_;
    p.context = ImGui::CreateContext();
    ImGui::SetCurrentContext(p.context);
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;  // the show writes no files
    io.LogFilename = nullptr;
    styleOverlay();
    p.platform = window.window != nullptr && ImGui_ImplSDL2_InitForOpenGL(window.window, window.glContext);
    ImGui_ImplOpenGL2_Init();
    p.readNotesWhenNew();
}

EditorOverlay::~EditorOverlay() {
    Parts& p = *parts_;
    if (p.reading.valid()) p.reading.wait();
    ImGui::SetCurrentContext(p.context);
    ImGui_ImplOpenGL2_Shutdown();
    if (p.platform) ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext(p.context);
}

bool EditorOverlay::frameDrawn(const PlayerFrame& frame) {
    Parts& p = *parts_;
    p.frozen.copy(frame.window.width, frame.window.height);
    p.lastFrameAt = wallSeconds();
    p.times.frameDrawn(p.lastFrameAt, sceneLayersOn(frame.player.scene()));
    if (p.shown) p.draw();
    return true;
}

void EditorOverlay::redraw(ShellServices& shell) {
    Parts& p = *parts_;
    if (!p.frozen.draw()) return;
    p.times.gap();
    if (p.shown) p.draw();
    shell.swapBuffers(p.window);
}

void EditorOverlay::takeEvent(const SDL_Event& event) {
    Parts& p = *parts_;
    if (!p.shown || !p.platform) return;
    ImGui::SetCurrentContext(p.context);
    ImGui_ImplSDL2_ProcessEvent(&event);
}

void EditorOverlay::pointerAt(int32_t x, int32_t y) {
    parts_->pointer = {static_cast<float>(x), static_cast<float>(y)};
}

bool EditorOverlay::wantsKeyboard() const {
    ImGui::SetCurrentContext(parts_->context);
    return parts_->shown && ImGui::GetIO().WantCaptureKeyboard;
}

void EditorOverlay::toggle() {
    parts_->shown = !parts_->shown;
}

bool EditorOverlay::shown() const {
    return parts_->shown;
}

std::vector<EditorAction> EditorOverlay::takeActions() {
    std::vector<EditorAction> taken;
    taken.swap(parts_->actions);
    return taken;
}

void EditorOverlay::waitForNotes() {
    Parts& p = *parts_;
    if (p.reading.valid()) p.reading.wait();
    p.readNotesWhenNew();
}
