// Writing the status line, and what it says.
#include "app/StatusLine.h"

#include <SDL_timer.h>
#include <unistd.h>

#include <cstdio>

#include "app/EditTransport.h"
#include "player/ShowTime.h"
#include "scene/SceneLayers.h"

namespace {

constexpr uint32_t STATUS_EVERY_MS = 500;

std::string layersOn(const Scene& scene) {
    std::string names;
    for (const SceneLayer& layer : SCENE_LAYERS) {
        if (scene.*layer.flag) names += (names.empty() ? "" : " ") + std::string(layer.keyword);
    }
    return names.empty() ? "-" : names;
}

}  // namespace

StatusLine::StatusLine() : terminal_(isatty(STDERR_FILENO) == 1) {
    fpsTick_ = lastTick_ = SDL_GetTicks();
}

StatusLine::~StatusLine() {
    if (terminal_) std::fputc('\n', stderr);
}

void StatusLine::frameShown() {
    ++framesSinceFpsTick_;
    const uint32_t now = SDL_GetTicks();
    if (now - fpsTick_ >= 1000) {
        fps_ = framesSinceFpsTick_ * 1000.0 / (now - fpsTick_);
        fpsTick_ = now;
        framesSinceFpsTick_ = 0;
    }
}

bool StatusLine::due(bool now) const {
    return now || SDL_GetTicks() - lastTick_ >= STATUS_EVERY_MS;
}

void StatusLine::show(const std::string& line) {
    lastTick_ = SDL_GetTicks();
    if (terminal_) {
        std::fprintf(stderr, "\r%s\033[K", line.c_str());
    } else {
        std::fprintf(stderr, "%s\n", line.c_str());
    }
    std::fflush(stderr);
}

std::string statusText(const Player& player, const EditTransport& transport, double fps,
                       const std::string& notice) {
    const DemoScript& script = player.script();
    const double seconds = player.songSeconds();
    char text[512];
    std::snprintf(text, sizeof text, "flashstep: %s  %.2f s  %.1f fps  %s",
                  patternBeatText(seconds, script).c_str(), seconds, fps, layersOn(player.scene()).c_str());
    std::string line = text;
    const double start = transport.loopStartMs();
    const double end = transport.loopEndMs();
    if (start >= 0.0 && end >= 0.0) {
        line += "  loop " + patternBeatText(start / 1000.0, script) + ".." +
                patternBeatText(end / 1000.0, script) + (transport.looping() ? " on" : " off");
    }
    if (transport.paused()) line += "  paused";
    if (!notice.empty()) line += "  (" + notice + ")";
    return line;
}
