// Buttons keep one width whatever they say, so the text after them stays put.
#include "editor/TransportBar.h"

#include <imgui.h>

#include <cstdio>

#include "player/ShowTime.h"

namespace {

constexpr float BUTTON_WIDTH = 64.0f;

bool button(const char* label) {
    const bool clicked = ImGui::Button(label, {BUTTON_WIDTH, 0.0f});
    ImGui::SameLine();
    return clicked;
}

}  // namespace

void drawTransportBar(const EditorFeed& feed, double playSeconds, const DemoScript& script,
                      const std::string& note, std::vector<EditorAction>& actions) {
    if (button(feed.paused ? "Play" : "Pause")) actions.push_back({EditorActionKind::TogglePause});
    if (button("|<")) actions.push_back({EditorActionKind::Seek, 0.0});
    const bool loopSet = feed.loopStartMs >= 0.0 && feed.loopEndMs >= 0.0;
    if (!loopSet) ImGui::BeginDisabled();
    if (button(feed.looping ? "Loop on" : "Loop off")) actions.push_back({EditorActionKind::ToggleLoop});
    if (!loopSet) ImGui::EndDisabled();

    char text[160];
    std::snprintf(text, sizeof text, "%s  %.2f s  %.0f fps", patternBeatText(playSeconds, script).c_str(),
                  playSeconds, feed.fps);
    ImGui::TextUnformatted(text);
    if (loopSet) {
        ImGui::SameLine();
        ImGui::TextDisabled("loop %s..%s", patternBeatText(feed.loopStartMs / 1000.0, script).c_str(),
                            patternBeatText(feed.loopEndMs / 1000.0, script).c_str());
    }
    for (const std::string* words : {&feed.status, &note}) {
        if (words->empty()) continue;
        ImGui::SameLine();
        ImGui::TextDisabled("%s", words->c_str());
    }
}
