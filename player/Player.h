// The player core: the show as every way of running drives it. A run plan says
// which clock the song follows, where drawing starts, how long the run is and who
// watches its frames; a Player opens the show on a window for that plan, runs it
// one frame at a time (update, then draw and show, or update only), can go to any
// moment exactly (a replay from the start that draws nothing) or back to a kept
// one, and closes it. The window, keys and services come from whatever hosts it.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "demo/ShellServices.h"

class DemoScript;
class Scene;
class VirtualClock;
struct Moment;
struct GlowOrigin;
struct PictureArea;
struct ShowPictures;

// One frame as its observers see it.
class Player;

struct PlayerFrame {
    GLWindow& window;
    ShellServices& shell;
    int64_t number = 0;    // the frame's number in the whole run, from 0
    const Player& player;  // the show as it was drawn, to read
};

// Watches the frames of a run.
class FrameObserver {
public:
    virtual ~FrameObserver() = default;
    // The frame is drawn and not yet shown; false stops the run after this frame.
    virtual bool frameDrawn(const PlayerFrame& frame) = 0;
    // The frame has been shown.
    virtual void frameShown(const PlayerFrame& /*frame*/) {}
};

enum class FrameClock {
    Heard,      // the song as heard on the sound output; frame times measured by the host
    FixedStep,  // every frame dtMs long, on a virtual song clock, no sound device
    Schedule,   // frame k at round(k * 1000 / fps) ms of song, on a virtual clock
};

struct RunPlan {
    FrameClock clock = FrameClock::Heard;
    uint32_t dtMs = 16;
    uint32_t fps = 60;
    int64_t frames = 0;  // the run ends after drawing this many frames; 0: when the host ends it
    // Drawing starts at the first frame of the replay schedule whose song time is at
    // or after this (milliseconds); the frames before it are replayed, not drawn.
    double startMs = 0.0;
    // The frame the host renders; the show's 4:3 picture is centred in it (640 x 480:
    // the picture itself, the size a window is opened at).
    int32_t frameWidth = 640;
    int32_t frameHeight = 480;
    // Keep the show every few seconds, so seeks and reloads replay from near by
    // (runs on a virtual clock only; a run on the heard song replays from the start).
    bool keepCheckpoints = false;
    bool trace = false;                     // one trace line per frame on standard output
    std::vector<FrameObserver*> observers;  // not owned; told after the trace, in order

    bool virtualClock() const { return clock != FrameClock::Heard; }
};

// The replay schedule's song time of frame k in whole milliseconds: the run's own
// schedule, or for a run on the song as heard, the 60 fps capture schedule.
int64_t replayFrameMs(const RunPlan& plan, int64_t frame);
// The first frame of the replay schedule whose song time is at or after `ms`.
int64_t firstFrameAtOrAfter(const RunPlan& plan, double ms);

// Files of the show that changed on disk since it was loaded.
struct ShowChanges {
    bool script = false;                // data/script.txt
    bool coords = false;                // data/coords.txt
    bool song = false;                  // the file the script names
    std::vector<std::string> pictures;  // data/... pictures or masks
};

class Player {
public:
    explicit Player(RunPlan plan);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Starts the show on the host's window and goes to the plan's start; false when
    // it could not start (then close() still runs). The frame count and the clock's
    // schedule go on across a close and a new open, as the mode toggle makes them.
    bool open(GLWindow& window, KeyState& keys, ShellServices& shell);
    // One frame: update by the clock's frame time (`measuredDt` on the Heard clock),
    // then draw it, tell the observers and show it, or only update when !draw.
    void frame(uint32_t measuredDt, bool draw = true);
    // Stops the show and frees what open() made. Safe to call twice.
    void close();

    // Goes to the first frame of the replay schedule at or after `ms` of song, in
    // the very state a run from the start has there; the song follows.
    void seek(double ms);
    // Takes changed files into the running show: the new script from the first
    // moment it differs (a replay, unless that moment is still ahead), coordinates
    // (a replay from the start), pictures and the song in place (the beads' mirror
    // picture with a replay from the start: the glow saw it). The show goes on from
    // the same frame, paused or not.
    void reload(const ShowChanges& changes);
    // The files the script now names for the scene's textures by role that differ from
    // those it started with: the scene takes them at the next start.
    std::vector<std::string> texturesForNextStart() const;
    // Keeps the show as it is now, to come back to without a replay.
    std::shared_ptr<const Moment> keep();
    // Replays the show once up to `endMs` (its end) and comes back, keeping marks on
    // the way, so that later seeks and reloads anywhere replay only from near by.
    void prepareSeeks(double endMs);
    // Spends up to `budgetMs` rendering the glow of the frames replayed so far ahead of
    // need, keeping its pixels every few frames, so that a seek there renders little;
    // false once there is nothing left to render (until a reload or a replay adds to it).
    bool renderAhead(double budgetMs);
    // The same in what is left of a 60 Hz frame period since the latest drawn frame
    // began (a capture at least), so that a playing show keeps its pace.
    bool renderAheadInFrame();
    // Glow captures rendered so far to catch up or ahead, for measurements.
    std::size_t glowCapturesRendered() const;
    void returnTo(const Moment& moment);
    // False once a reload changed the show at or before the moment's time: going back to
    // it would undo that change, so the holder seeks there and keeps it anew.
    bool stillTrue(const Moment& moment) const;
    // Song and show stop; the next frame goes on from where they stood.
    void setPaused(bool paused);
    bool paused() const;
    // Why the song is not heard since it was last opened again; empty when it is.
    std::string songProblem() const;

    const RunPlan& plan() const { return plan_; }
    // An observer for part of a run (the editing overlay of one window), told after
    // the plan's own; not owned. Removing one that is not there does nothing.
    void addObserver(FrameObserver& observer);
    void removeObserver(FrameObserver& observer);
    int64_t framesDrawn() const { return framesDrawn_; }
    // The number of the next frame in the whole run.
    int64_t nextFrame() const { return nextFrame_; }
    // The song's position the latest frame read, in seconds.
    double songSeconds() const;
    // The running show, to read: its script (tempo, song) and its scene (layers,
    // pictures). Valid while the player is open; a reload may replace the script.
    const DemoScript& script() const;
    const Scene& scene() const;
    // Plays `ms` of the song from `seconds` while the show stands still.
    void hearSlice(double seconds, double ms);
    // Moves the show's picture to `area` of its window (the window resized, or the
    // editor's panels moved); the frames after it are drawn there.
    void placePicture(const PictureArea& area);
    // The run's virtual song clock; null on the Heard clock.
    VirtualClock* songClock();

private:
    struct Run;
    uint32_t nextFrameTime(uint32_t measuredDt);
    std::shared_ptr<const Moment> replayBaseFor(int64_t target) const;
    void replayTo(int64_t frame);
    void replayFrames(int64_t target);
    void startGlowAt(const Moment& base);
    std::shared_ptr<const Moment> latestCheckpoint(std::shared_ptr<const Moment> earliest,
                                                   int64_t frame) const;
    void repointOverlayPictures(const ShowPictures& before, const ShowPictures& after);
    void keepMark(uint64_t songMs);
    GlowOrigin glowOrigin() const;
    static GlowOrigin glowOriginAt(const Moment& moment);
    int64_t glowHorizon() const;
    void keepCheckpoint();
    void reopenSong();
    uint64_t songMs() const;
    void skipFrame(uint32_t dt);
    void bringGlUpToDate();
    void showFrame();

    RunPlan plan_;
    std::unique_ptr<Run> run_;
    GLWindow* window_ = nullptr;
    ShellServices* shell_ = nullptr;
    int64_t framesDrawn_ = 0;
    int64_t nextFrame_ = 0;
    bool open_ = false;
    bool glBehind_ = false;  // frames were skipped: lists, glow or blending may lag
    std::chrono::steady_clock::time_point frameBegan_;
    // The song time from which each reload so far changed the show, in order.
    std::vector<double> showChangesFromMs_;
};

// Runs a plan to its end on a window of the host's making; the process's exit code.
// Ways of running that need a window but are not the shell (capture, benchmark)
// are handed one of these.
using PlanRunner = std::function<int(const RunPlan&)>;
