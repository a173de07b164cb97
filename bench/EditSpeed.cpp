// flashstep_edit_speed: how long the editor takes, anywhere in the song, from a save
// of the script (renamed over it, as editors save and as the editor itself saves) to
// the first frame drawn with it, and from a seek to the frame drawn there. The show
// runs offscreen as --edit runs it (the song as heard on SDL's dummy output, or
// --step: 16 ms frames on a virtual clock), the script watched by the editor's own
// live reload; play heads, edit times and seek targets are drawn at random (a fixed
// seed), the same in every build. Two kinds of save: a camera distance, which the
// glow's captures see, and a picture shown, which they do not. Prints the median, 95th percentile and largest of
// each, in milliseconds. With --playing (after --step, if given) it measures instead
// what rendering the glow ahead between frames costs a playing editor: the time a
// frame takes without and with it, and how much playing renders the whole show ahead.
// Run from the build folder; it works in a scratch copy of the show.
#include <GL/gl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "app/LiveReload.h"
#include "app/MessageBox.h"
#include "app/Shell.h"
#include "player/Player.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int SAMPLES = 40;
constexpr double SONG_MS = 141240.0;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// CPU time of the whole process (llvmpipe's render threads too), in milliseconds: on
// a machine shared with other work it varies far less than the wall clock.
double cpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Samples {
    std::vector<double> wall;
    std::vector<double> cpu;
};

// The editor's preparation where the player has it; nothing where it does not.
template <typename P>
auto prepare(P& player, int) -> decltype(player.prepareSeeks(0.0), void()) {
    player.prepareSeeks(SONG_MS);
}
template <typename P>
void prepare(P&, long) {}

// The glow rendered ahead as the editor does while it waits, to the end; how long it took.
template <typename P>
auto renderAhead(P& player, int) -> decltype(player.renderAhead(0.0), double()) {
    const auto start = Clock::now();
    while (player.renderAhead(40.0)) {
    }
    return msSince(start);
}
template <typename P>
double renderAhead(P&, long) {
    return 0.0;
}

std::string slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Saves as editors do: a new file renamed over the script.
void save(const std::string& text) {
    std::ofstream("data/script.txt.new") << text;
    std::rename("data/script.txt.new", "data/script.txt");
}

// The script with "P:0 STATEMENT" before the first line of pattern P, P the pattern at
// `ms` (or a later one that has a line).
std::string withEventAt(const std::string& script, double ms, const std::string& statement) {
    const auto pattern = static_cast<int64_t>(ms / 1920.0);
    for (int64_t p = pattern; p < pattern + 16; ++p) {
        const size_t at = script.find("\n" + std::to_string(p) + ":");
        if (at != std::string::npos)
            return script.substr(0, at + 1) + std::to_string(pattern) + ":0 " + statement + "\n" + script.substr(at + 1);
    }
    return script;
}

void reportOne(const char* what, const char* clock, std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double share) {
        return samples[std::min(samples.size() - 1, static_cast<size_t>(share * static_cast<double>(samples.size())))];
    };
    std::printf("%-42s %-4s median %7.1f ms   p95 %7.1f ms   max %7.1f ms   (%zu)\n", what, clock, at(0.5),
                at(0.95), samples.back(), samples.size());
}

void report(const char* what, const Samples& samples) {
    reportOne(what, "wall", samples.wall);
    reportOne(what, "cpu", samples.cpu);
}

// A copy of the show with the script its own, the rest linked.
void makeScratchShow(const std::string& from, const std::string& to) {
    fs::remove_all(to);
    fs::create_directories(to + "/data");
    for (const auto& entry : fs::directory_iterator(from + "/data")) {
        const fs::path name = entry.path().filename();
        if (name == "script.txt") {
            fs::copy_file(entry.path(), to + "/data/script.txt");
        } else {
            fs::create_symlink(fs::absolute(entry.path()), to + "/data/" + name.string());
        }
    }
}

// Frames played from `fromMs` with the glow rendered ahead after each until it is
// kept throughout, then the same frames alone; the mean time a frame took in each.
void measurePlaying(Player& player, double fromMs) {
    player.seek(fromMs);
    const size_t renderedBefore = player.glowCapturesRendered();
    auto start = Clock::now();
    int frames = 0;
    bool more = true;
    while (more) {
        player.frame(16);
        glFinish();
        more = player.renderAheadInFrame();  // as the playing editor does
        ++frames;
    }
    const double withAhead = msSince(start) / frames;
    const size_t rendered = player.glowCapturesRendered() - renderedBefore;
    player.seek(fromMs);
    start = Clock::now();
    for (int i = 0; i < frames; ++i) {
        player.frame(16);
        glFinish();
    }
    const double alone = msSince(start) / frames;
    std::printf("a frame played: %.2f ms alone, %.2f ms with the glow rendered ahead after it (ratio %.2f)\n", alone,
                withAhead, withAhead / alone);
    std::printf("rendered ahead throughout after %d frames, %.1f s, %zu captures\n", frames,
                withAhead * frames / 1000.0, rendered);
}

}  // namespace

int main(int argc, char** argv) {
    const bool step = argc > 1 && std::strcmp(argv[1], "--step") == 0;
    const bool playing = std::strcmp(argv[argc - 1], "--playing") == 0;
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setMessagesToStderr(true);
    const std::string scratch = fs::absolute("edit-speed-show").string();
    makeScratchShow(".", scratch);
    if (chdir(scratch.c_str()) != 0) return 1;

    RunPlan plan;
    plan.clock = step ? FrameClock::FixedStep : FrameClock::Heard;
    plan.keepCheckpoints = true;  // as --edit asks
    Player player(plan);
    Application application;
    KeyState keys;
    GLWindow window;
    window.keys = &keys;
    window.app = &application;
    window.fullscreen = false;
    if (!registerWindowClass(application) || !openGLWindow(window) || !player.open(window, keys, shellServices())) {
        std::fprintf(stderr, "cannot open the show\n");
        return 1;
    }
    const auto started = Clock::now();
    prepare(player, 0);
    std::printf("%s; preparing seeks took %.1f ms\n", step ? "16 ms frames on a virtual clock" : "the song as heard",
                msSince(started));
    if (playing) {
        measurePlaying(player, 20000.0);
        player.close();
        closeGLWindow(window);
        unregisterWindowClass(application);
        if (chdir("..") == 0) fs::remove_all(scratch);
        return 0;
    }
    LiveReload live(player);
    const std::string original = slurp("data/script.txt");
    std::mt19937 random(25);
    std::uniform_real_distribution<double> anywhere(0.0, SONG_MS - 2000.0);

    const auto seekAnywhere = [&]() {
        Samples seeks;
        for (int i = 0; i < SAMPLES; ++i) {
            const double target = anywhere(random);
            const auto start = Clock::now();
            const double cpu = cpuMs();
            player.seek(target);
            player.frame(16);
            glFinish();
            seeks.wall.push_back(msSince(start));
            seeks.cpu.push_back(cpuMs() - cpu);
        }
        return seeks;
    };
    // Right after the marks are set, then once the glow is rendered ahead.
    const Samples coldSeeks = seekAnywhere();
    std::printf("rendering the glow ahead took %.1f ms\n", renderAhead(player, 0));
    const Samples seeks = seekAnywhere();

    // Saves of one statement at random places, the play head elsewhere; the original
    // saved back after each, and the glow rendered ahead as the editor does between edits.
    const auto saveAnywhere = [&](const std::string& statement) {
        Samples edits;
        double refills = 0.0;
        for (int i = 0; i < SAMPLES; ++i) {
            const double playHead = anywhere(random);
            const double editAt = anywhere(random);
            player.seek(playHead);
            player.frame(16);
            glFinish();
            live.poll();
            save(withEventAt(original, editAt, statement));
            const auto start = Clock::now();
            const double cpu = cpuMs();
            while (live.poll().empty()) usleep(500);
            player.frame(16);
            glFinish();
            edits.wall.push_back(msSince(start));
            edits.cpu.push_back(cpuMs() - cpu);
            save(original);
            while (live.poll().empty()) usleep(500);
            refills += renderAhead(player, 0);
        }
        std::printf("after each \"%s\", rendering the glow ahead again took %.1f ms on average\n",
                    statement.c_str(), refills / SAMPLES);
        return edits;
    };
    // A camera the glow's captures see; a picture shown over the scene, which they do not.
    const Samples cameraEdits = saveAnywhere("cameraDistance 7");
    const Samples pictureEdits = saveAnywhere("showImage 3");
    report("seek anywhere, right after the marks", coldSeeks);
    report("seek anywhere, to the frame drawn there", seeks);
    report("save anywhere, to the first frame with it", cameraEdits);
    report("save a picture shown anywhere, to its frame", pictureEdits);
    player.close();
    closeGLWindow(window);
    unregisterWindowClass(application);
    if (chdir("..") == 0) fs::remove_all(scratch);
    return 0;
}
