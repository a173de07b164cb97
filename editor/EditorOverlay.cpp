// One Dear ImGui context per overlay (one per window: the mode toggle makes a new
// one); no settings or log files are written. The script and the song are read on
// a worker thread whenever the feed's revision moves, and the panels that need them
// wait, saying so. The platform half of Dear ImGui runs only on a real SDL window.
#include "editor/EditorOverlay.h"

#include <GL/gl.h>
#include <imgui.h>
#include <imgui_impl_opengl2.h>
#include <imgui_impl_sdl.h>

#include <algorithm>
#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <future>
#include <initializer_list>
#include <string>

#include "editor/EditPanel.h"
#include "editor/EditorColours.h"
#include "editor/EditorFont.h"
#include "editor/FindingsPanel.h"
#include "editor/FrameTimeGraph.h"
#include "editor/FrameTimes.h"
#include "editor/FrozenFrame.h"
#include "editor/GlStateGuard.h"
#include "editor/PointerQueue.h"
#include "editor/ScriptPanel.h"
#include "editor/ShowNotes.h"
#include "editor/TimelineStrip.h"
#include "editor/TransportBar.h"
#include "scene/SceneLayers.h"

namespace {

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

void styleOverlay(float scale) {
    ImGui::StyleColorsDark();
    ImGuiStyle& style = ImGui::GetStyle();
    style.WindowRounding = 0.0f;
    style.WindowBorderSize = 0.0f;
    style.WindowPadding = {4.0f, 3.0f};
    style.FramePadding = {4.0f, 1.0f};
    style.ItemSpacing = {4.0f, 2.0f};
    style.ScaleAllSizes(scale);
}

void colour(uint32_t packed) {
    glColor4ub(packed & 0xff, (packed >> 8) & 0xff, (packed >> 16) & 0xff, packed >> 24);
}

void fill(const PanelRect& rect) {
    glRectf(rect.x, rect.y, rect.x + rect.width, rect.y + rect.height);
}

// Dear ImGui fills every window through its font texture; a software renderer fills
// untextured colour much faster, so the panels' backs are painted here first, opaque:
// nothing of the show is under them. The strip paints its own picture.
void paintPanelBacks(const EditorLayout& layout, float width, float height) {
    glMatrixMode(GL_PROJECTION);
    glOrtho(0.0, width, height, 0.0, -1.0, 1.0);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    colour(editorColour::PANEL_BACK);
    for (const PanelRect* panel : {&layout.transport, &layout.column, &layout.timeline}) fill(*panel);
    colour(editorColour::EDGE);
    for (const PanelRect* edge : {&layout.columnEdge, &layout.stripEdge}) fill(*edge);
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

// A panel's edge band inside the panel's own rectangle: the panel starts below it.
PanelRect below(const PanelRect& panel, const PanelRect& edge) {
    return {panel.x, panel.y + edge.height, panel.width, std::max(0.0f, panel.height - edge.height)};
}

PanelRect rightOf(const PanelRect& panel, const PanelRect& edge) {
    return {panel.x + edge.width, panel.y, std::max(0.0f, panel.width - edge.width), panel.height};
}

}  // namespace

struct EditorOverlay::Parts {
    enum class Edge { None, Column, Strip };

    const EditorFeed& feed;
    const Player& player;
    GLWindow& window;
    ImGuiContext* context = nullptr;
    bool platform = false;  // Dear ImGui's SDL half runs: the window is a real SDL window
    bool shown = true;
    bool fontSharp = false;
    float scale = 1.0f;
    PanelSizes sizes;
    int32_t transportLines = 1;
    Edge dragging = Edge::None;
    PointerQueue pointer;  // the window's pointer events, one button change a frame

    FrozenFrame frozen;
    FrameTimes times;
    double lastFrameAt = 0.0;
    TimelineStrip strip;
    ScriptPanel script;
    EditPanel edit;
    std::vector<EditorAction> actions;

    std::unique_ptr<ShowNotes> notes;
    std::future<ShowNotes> reading;
    uint32_t readRevision = 0;
    bool readStarted = false;

    Parts(const EditorFeed& feedIn, const Player& playerIn, GLWindow& windowIn)
        : feed(feedIn), player(playerIn), window(windowIn) {}

    EditorLayout layoutNow() const;
    void readNotesWhenNew();
    void draw();
    void newFrame();
    void dragEdges(const EditorLayout& layout);
    void drawPanels(const EditorLayout& layout);
    void drawStrip(const EditorLayout& layout, double play);
};

EditorLayout EditorOverlay::Parts::layoutNow() const {
    PanelSizes asked = sizes;
    asked.transportLines = transportLines;
    return editorLayout(static_cast<float>(window.width), static_cast<float>(window.height), scale, asked,
                        shown);
}

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
        // The font is drawn for whole pixels: nearest sampling shows it as it is, and
        // costs a software renderer far less than filtering every fragment.
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        glBindTexture(GL_TEXTURE_2D,
                      static_cast<GLuint>(reinterpret_cast<intptr_t>(ImGui::GetIO().Fonts->TexID)));
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
        fontSharp = true;
    }
    ImGuiIO& io = ImGui::GetIO();
    if (platform) {
        ImGui_ImplSDL2_NewFrame();
        // The pointer from the window's own events: the SDL half of Dear ImGui reads a
        // global position that X servers do not always bring up to date while a button
        // is held, and would merge a quick press, drag and release into one click.
        const PointerState state = pointer.nextFrame();
        io.MousePos = state.x >= 0.0f ? ImVec2{state.x, state.y} : ImVec2{-FLT_MAX, -FLT_MAX};
        for (int i = 0; i < 3; ++i) io.MouseDown[i] = state.down[i];
        io.MouseWheel = state.wheel;
    } else {
        io.DeltaTime = 1.0f / 60.0f;
    }
    // The layout is in the window's own pixels.
    io.DisplaySize = {static_cast<float>(window.width), static_cast<float>(window.height)};
    io.DisplayFramebufferScale = {1.0f, 1.0f};
    ImGui::NewFrame();
}

// The column's and the strip's inner edges, dragged to size them.
void EditorOverlay::Parts::dragEdges(const EditorLayout& layout) {
    const ImGuiIO& io = ImGui::GetIO();
    const float x = io.MousePos.x;
    const float y = io.MousePos.y;
    if (dragging == Edge::None && io.MouseClicked[0]) {
        if (layout.columnEdge.contains(x, y)) dragging = Edge::Column;
        if (layout.stripEdge.contains(x, y)) dragging = Edge::Strip;
    }
    if (dragging == Edge::Column || layout.columnEdge.contains(x, y))
        ImGui::SetMouseCursor(ImGuiMouseCursor_ResizeEW);
    if (dragging == Edge::Strip || layout.stripEdge.contains(x, y))
        ImGui::SetMouseCursor(ImGuiMouseCursor_ResizeNS);
    if (dragging == Edge::None) return;
    if (!io.MouseDown[0]) {
        dragging = Edge::None;
        return;
    }
    if (dragging == Edge::Column) sizes.columnWidth = std::round(io.DisplaySize.x - x);
    if (dragging == Edge::Strip) sizes.stripHeight = std::round(io.DisplaySize.y - y);
}

void EditorOverlay::Parts::drawStrip(const EditorLayout& layout, double play) {
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, {0.0f, 0.0f});
    if (beginPanel("##timeline", below(layout.timeline, layout.stripEdge), FIXED_FLAGS) && notes != nullptr) {
        const StripTransport transport{play,           !feed.paused, feed.looping, feed.loopStartMs,
                                       feed.loopEndMs, feed.gridUnit};
        strip.draw(*notes, transport, script, actions);
    } else if (notes == nullptr) {
        ImGui::TextDisabled("reading the script and the song");
    }
    ImGui::End();
    ImGui::PopStyleVar();
}

void EditorOverlay::Parts::drawPanels(const EditorLayout& layout) {
    const double play = player.songSeconds();
    const BeatGrid grid =
        notes != nullptr ? beatGridOf(notes->timeline.tempo) : scriptBeatGrid(player.script());
    const ImGuiIO& io = ImGui::GetIO();
    if (!io.WantTextInput && ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Insert), false)) edit.openForm();

    if (beginPanel("##transport", rightOf(layout.transport, layout.columnEdge), FIXED_FLAGS))
        transportLines = drawTransportBar(feed, grid, play, actions);
    ImGui::End();
    const double insertAt = grid.snap(play * 1000.0, feed.gridUnit);
    if (beginPanel("##edit", rightOf(layout.edit, layout.columnEdge), PANEL_FLAGS))
        edit.draw(feed, notes.get(), strip.selection(), insertAt, actions);
    ImGui::End();
    if (beginPanel("##script", rightOf(layout.script, layout.columnEdge), FIXED_FLAGS, "script") &&
        notes != nullptr)
        script.draw(*notes, play, actions);
    ImGui::End();
    const std::string findingsHeading = "findings of the show check: " + std::to_string(feed.findings.size());
    if (beginPanel("##findings", rightOf(layout.findings, layout.columnEdge), PANEL_FLAGS,
                   findingsHeading.c_str()))
        drawFindings(feed.findings, script, actions);
    ImGui::End();
    char framesHeading[64];
    std::snprintf(framesHeading, sizeof framesHeading, "frame time, longest %.1f ms",
                  static_cast<double>(times.longestMs()));
    if (beginPanel("##frames", rightOf(layout.frameTimes, layout.columnEdge), FIXED_FLAGS, framesHeading))
        drawFrameTimeGraph(times, lastFrameAt, notes != nullptr ? &notes->timeline : nullptr);
    ImGui::End();
    drawStrip(layout, play);
}

void EditorOverlay::Parts::draw() {
    ImGui::SetCurrentContext(context);
    readNotesWhenNew();
    // Panels may paint textures while they are laid out: the guard covers that too.
    const GlStateGuard guard;
    newFrame();
    const EditorLayout layout = layoutNow();
    dragEdges(layout);
    drawPanels(layout);
    ImGui::Render();
    useFlatState();
    const ImGuiIO& io = ImGui::GetIO();
    glViewport(0, 0, static_cast<GLsizei>(io.DisplaySize.x), static_cast<GLsizei>(io.DisplaySize.y));
    paintPanelBacks(layout, io.DisplaySize.x, io.DisplaySize.y);
    ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
}

EditorOverlay::EditorOverlay(const EditorFeed& feed, const Player& player, GLWindow& window, float scale,
                             const PanelSizes& sizes)
    : parts_(std::make_unique<Parts>(feed, player, window)) {
    Parts& p = *parts_;
    p.scale = scale;
    p.sizes = sizes;
    // The default sizes are taken for the window as it opens; after that a larger window
    // gives the picture more room, not the panels.
    p.sizes = p.layoutNow().sizes;
    p.strip.setScale(scale);
    p.context = ImGui::CreateContext();
    ImGui::SetCurrentContext(p.context);
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;  // the show writes no files
    io.LogFilename = nullptr;
    styleOverlay(scale);
    loadEditorFont(scale);
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
    p.frozen.copy(pictureArea().box());
    p.lastFrameAt = wallSeconds();
    p.times.frameDrawn(p.lastFrameAt, sceneLayersOn(frame.player.scene()));
    if (p.shown) p.draw();
    return true;
}

void EditorOverlay::redraw(ShellServices& shell) {
    Parts& p = *parts_;
    clearAroundPicture(p.window.width, p.window.height);
    if (!p.frozen.draw()) return;
    p.times.gap();
    if (p.shown) p.draw();
    shell.swapBuffers(p.window);
}

bool EditorOverlay::placePicture(Player& player) {
    Parts& p = *parts_;
    const PictureArea area = editorPicture(p.layoutNow(), p.window.height);
    if (area.box() == pictureArea().box() && area.bars == pictureArea().bars) return false;
    player.placePicture(area);
    return true;
}

EditorLayout EditorOverlay::layout() const {
    return parts_->layoutNow();
}

void EditorOverlay::takeEvent(const SDL_Event& event) {
    Parts& p = *parts_;
    if (!p.shown || !p.platform) return;
    ImGui::SetCurrentContext(p.context);
    ImGui_ImplSDL2_ProcessEvent(&event);
}

PointerQueue* EditorOverlay::pointer() {
    Parts& p = *parts_;
    return p.shown && p.platform ? &p.pointer : nullptr;
}

bool EditorOverlay::inputPending() const {
    return parts_->shown && parts_->pointer.pending();
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

PanelSizes EditorOverlay::panelSizes() const {
    return parts_->sizes;
}

std::vector<EditorAction> EditorOverlay::takeActions() {
    std::vector<EditorAction> taken;
    taken.swap(parts_->actions);
    return taken;
}

double EditorOverlay::showEndSeconds() const {
    return parts_->notes != nullptr ? parts_->notes->timeline.endSeconds : -1.0;
}

void EditorOverlay::waitForNotes() {
    Parts& p = *parts_;
    if (p.reading.valid()) p.reading.wait();
    p.readNotesWhenNew();
}
