// The frame step every way of running shares (the clock's frame time, the
// driver's update and draw, the trace, the observers and the swap, in that
// order), and going to a moment: a replay from the show's start that updates
// every frame and makes every draw from the random sequence but hands the GL
// nothing, then renders the glow captures it passed and compiles the lists once.
#include "player/Player.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <utility>

#include "clock/FrameSchedule.h"
#include "clock/VirtualClock.h"
#include "demo/Demo.h"
#include "demo/DemoState.h"
#include "demo/Trace.h"
#include "player/GlowHistory.h"
#include "player/Moment.h"
#include "player/ScriptChange.h"
#include "scene/ScenePictures.h"

namespace {

// A run on the song as heard replays on the capture schedule at this rate.
constexpr uint32_t HEARD_REPLAY_FPS = 60;
constexpr uint64_t CHECKPOINT_EVERY_MS = 4000;
// How often a replay asks whether the run was stopped (a few milliseconds of replay).
constexpr int64_t STOP_CHECK_FRAMES = 1024;
// Replays keep the show (without the glow's pixels, which its log stands for) this often.
constexpr int64_t MARK_EVERY_MS = 1000;

FrameSchedule scheduleOf(const RunPlan& plan) {
    FrameSchedule schedule;
    schedule.fixedRate = plan.clock != FrameClock::FixedStep;
    schedule.dtMs = plan.dtMs;
    schedule.fps = plan.virtualClock() ? plan.fps : HEARD_REPLAY_FPS;
    return schedule;
}

}  // namespace

int64_t replayFrameMs(const RunPlan& plan, int64_t frame) {
    if (plan.clock == FrameClock::FixedStep) return (frame + 1) * static_cast<int64_t>(plan.dtMs);
    return fixedRateFrameStartMs(frame, scheduleOf(plan).fps);
}

int64_t firstFrameAtOrAfter(const RunPlan& plan, double ms) {
    if (!(ms > 0.0)) return 0;
    const uint32_t fps = scheduleOf(plan).fps;
    const double perFrame = plan.clock == FrameClock::FixedStep ? plan.dtMs : 1000.0 / fps;
    int64_t frame = std::max<int64_t>(0, static_cast<int64_t>(std::floor(ms / perFrame)) - 2);
    while (static_cast<double>(replayFrameMs(plan, frame)) < ms) ++frame;
    return frame;
}

// What lasts for the whole run, across the mode toggle's restarts.
struct Player::Run {
    FrameSchedule schedule;
    VirtualClock songClock;    // the song's clock on a virtual clock
    VirtualClock replayClock;  // the song's time while a run on the heard song replays
    std::shared_ptr<const Moment> start;
    std::shared_ptr<const Moment> replayBase;  // where the latest replay started
    std::shared_ptr<const Moment> glowOrigin;  // the latest pixels known exactly: the glow renders from them
    std::shared_ptr<const Moment> logOrigin;   // where the glow's log starts
    std::vector<std::shared_ptr<const Moment>> checkpoints;
    // Marks: the show at the start of every second of the replay's schedule, without
    // pixels, by the second they fall in; good while the glow's log reaches them.
    std::map<int64_t, std::shared_ptr<const Moment>> marks;
    int64_t replayedTo = 0;  // the frame the latest replay went to
    GlowHistory glow;        // the captures frames of the replay's schedule made, and which textures lag
    std::vector<std::string> sceneFilesAtOpen;  // the scene's textures are these files until the next start
};

Player::Player(RunPlan plan) : plan_(std::move(plan)), run_(std::make_unique<Run>()) {
    run_->schedule = scheduleOf(plan_);
}

Player::~Player() {
    close();
}

bool Player::open(GLWindow& window, KeyState& keys, ShellServices& shell) {
    window_ = &window;
    shell_ = &shell;
    open_ = true;
    const DemoHost host{&shell, songClock()};
    if (!demoInit(window, keys, host)) return false;
    run_->sceneFilesAtOpen.clear();
    for (const ShowPicture& picture : showPicturesOf(*demo::script).scene)
        run_->sceneFilesAtOpen.push_back(picture.file);
    run_->start = std::make_shared<const Moment>(Moment::now(nextFrame_, 0));
    run_->replayBase = run_->glowOrigin = run_->logOrigin = run_->start;
    run_->glow.clear(nextFrame_);
    if (plan_.startMs > 0.0) seek(plan_.startMs);
    return true;
}

void Player::close() {
    if (!open_) return;
    run_->start.reset();
    run_->replayBase.reset();
    run_->glowOrigin.reset();
    run_->logOrigin.reset();
    run_->checkpoints.clear();
    run_->marks.clear();
    run_->glow.clear();
    glBehind_ = false;
    demoShutdown();
    open_ = false;
}

VirtualClock* Player::songClock() {
    return plan_.virtualClock() ? &run_->songClock : nullptr;
}

double Player::songSeconds() const {
    return demo::driver.lastFrame.position;
}

const DemoScript& Player::script() const {
    return *demo::script;
}

const Scene& Player::scene() const {
    return *demo::scene;
}

void Player::hearSlice(double seconds, double ms) {
    demo::music->playSlice(seconds, ms);
}

void Player::placePicture(const PictureArea& area) {
    demoPlacePicture(*window_, area);
    // Captures drawn elsewhere in the window differ in the last bit: pixels kept from
    // them are not this place's.
    if (run_ != nullptr) run_->glow.forgetKept();
}

uint32_t Player::nextFrameTime(uint32_t measuredDt) {
    if (!plan_.virtualClock()) return measuredDt;
    run_->schedule.frame = nextFrame_;
    const uint32_t dt = run_->schedule.next();
    run_->songClock.advance(dt);
    return dt;
}

void Player::frame(uint32_t measuredDt, bool draw) {
    if (!draw) {
        skipFrame(nextFrameTime(measuredDt));
        return;
    }
    frameBegan_ = std::chrono::steady_clock::now();
    demoUpdate(nextFrameTime(measuredDt));
    // A frame of a virtual clock is one of the replay's schedule: the glow's log goes on with it.
    if (plan_.virtualClock()) run_->glow.recordFrame(nextFrame_, false);
    bringGlUpToDate();
    demoDraw();
    showFrame();
    keepCheckpoint();
}

// A frame that updates and makes the draw's random draws but hands the GL nothing;
// sync actions only decide, and the glow's capture is kept for later.
void Player::skipFrame(uint32_t dt) {
    Scene& scene = *demo::scene;
    scene.replaying = true;
    demoUpdate(dt);
    run_->glow.recordFrame(nextFrame_, true);
    demoSkipDraw();
    scene.replaying = false;
    ++nextFrame_;
    glBehind_ = true;
}

// Before a drawn frame after skipped ones: the lists of the latest sync action,
// the glow texture this frame uses, and blending as the last frame left it.
void Player::bringGlUpToDate() {
    Scene& scene = *demo::scene;
    const bool glowBehind = run_->glow.behind(scene.bufferTexture);
    if (!glBehind_ && !glowBehind) return;
    if (glowBehind) run_->glow.catchUp(scene.bufferTexture, glowHorizon(), glowOrigin());
    if (!scene.beadListsCurrent()) scene.compileBeadLists();
    scene.blendAfterDraw.apply();
    glBehind_ = false;
}

void Player::showFrame() {
    const PlayerFrame frame{*window_, *shell_, nextFrame_, *this};
    if (plan_.trace) writeTraceLine(stdout, frame.number);
    bool goOn = true;
    for (FrameObserver* observer : plan_.observers) goOn = observer->frameDrawn(frame) && goOn;
    ++nextFrame_;
    ++framesDrawn_;
    if (!goOn || (plan_.frames > 0 && framesDrawn_ >= plan_.frames)) shell_->requestQuit(*window_);
    shell_->swapBuffers(*window_);
    for (FrameObserver* observer : plan_.observers) observer->frameShown(frame);
}

// The latest kept moment at or before frame `target`: a checkpoint of this run, a
// mark the glow's log reaches, or the show's start.
std::shared_ptr<const Moment> Player::replayBaseFor(int64_t target) const {
    std::shared_ptr<const Moment> base = latestCheckpoint(run_->start, target);
    const int64_t reach = std::min(target, run_->glow.end());
    for (const auto& [second, mark] : run_->marks) {
        if (mark->nextFrame <= reach && mark->nextFrame > base->nextFrame) base = mark;
    }
    return base;
}

// Where the glow renders from when its captures do not settle: the latest replay's
// base when it kept pixels, else the latest checkpoint since the log's origin, or that.
GlowOrigin Player::glowOrigin() const {
    return glowOriginAt(*run_->glowOrigin);
}

// A moment's capture pixels as an origin the glow renders from; a mark has none.
GlowOrigin Player::glowOriginAt(const Moment& moment) {
    return GlowOrigin{moment.keepsPixels() ? &moment.captures : nullptr, moment.nextFrame};
}

// The glow's captures up to here are the show's: on a virtual clock every frame so
// far; on the song as heard, those of the latest replay (the frames drawn since fall
// off its schedule).
int64_t Player::glowHorizon() const {
    return plan_.virtualClock() ? nextFrame_ : run_->replayedTo;
}

void Player::addObserver(FrameObserver& observer) {
    plan_.observers.push_back(&observer);
}

void Player::removeObserver(FrameObserver& observer) {
    std::vector<FrameObserver*>& observers = plan_.observers;
    observers.erase(std::remove(observers.begin(), observers.end(), &observer), observers.end());
}

void Player::replayTo(int64_t target) {
    replayFrames(target);
    bringGlUpToDate();
}

// The show from the latest kept moment before `target` to it, frame by frame, drawing
// nothing: marks kept on the way, the glow's captures logged for later.
void Player::replayFrames(int64_t target) {
    const std::shared_ptr<const Moment> base = replayBaseFor(target);
    run_->replayBase = base;
    base->restoreShow();
    nextFrame_ = base->nextFrame;
    MusicStream& music = *demo::music;
    VirtualClock* clock = songClock();
    if (clock != nullptr) {
        music.seek(static_cast<double>(base->songMs) / 1000.0);
    } else {
        clock = &run_->replayClock;
        clock->set(base->songMs);
        music.followClock(clock);
    }
    startGlowAt(*base);
    FrameSchedule schedule = scheduleOf(plan_);
    while (nextFrame_ < target) {
        if (nextFrame_ % STOP_CHECK_FRAMES == 0 && shell_->stopAsked()) break;  // the run ends next
        keepMark(clock->milliseconds());
        schedule.frame = nextFrame_;
        const uint32_t dt = schedule.next();
        clock->advance(dt);
        skipFrame(dt);
    }
    run_->replayedTo = nextFrame_;  // the target, unless a stop cut the replay short
    music.followClock(nullptr);
}

// The capture textures as a replay from `base` finds them. A base without pixels (a
// mark) takes the log's origin's, and every texture the log captured into is behind;
// one with pixels is exact. A base the log does not reach starts a new log.
void Player::startGlowAt(const Moment& base) {
    const std::shared_ptr<const Moment>& origin = run_->logOrigin;
    if (base.nextFrame > run_->glow.end() || base.nextFrame < origin->nextFrame) {
        run_->glow.clear(base.nextFrame);
        run_->logOrigin = run_->replayBase;
        run_->marks.clear();
    }
    const bool mark = !base.keepsPixels();
    run_->glowOrigin = mark ? latestCheckpoint(run_->logOrigin, base.nextFrame) : run_->replayBase;
    const std::vector<KeptCapture>& captures = run_->glowOrigin->captures;
    Scene& scene = *demo::scene;
    for (size_t i = 0; i < captures.size(); ++i)
        writeTexturePixels(*scene.bufferTextures[i], captures[i].pixels);
    if (mark) {
        run_->glow.markAllBehind();
    } else {
        run_->glow.markNoneBehind();
    }
}

// The latest checkpoint at or before frame `frame` and after `earliest`; else `earliest`.
std::shared_ptr<const Moment> Player::latestCheckpoint(std::shared_ptr<const Moment> earliest,
                                                       int64_t frame) const {
    std::shared_ptr<const Moment> latest = std::move(earliest);
    for (const std::shared_ptr<const Moment>& checkpoint : run_->checkpoints) {
        if (checkpoint->nextFrame <= frame && checkpoint->nextFrame > latest->nextFrame) latest = checkpoint;
    }
    return latest;
}

// The show at the start of the frame about to be replayed, once a second of the
// schedule; only while the glow's log reaches the frame.
void Player::keepMark(uint64_t songMs) {
    const int64_t second = static_cast<int64_t>(songMs) / MARK_EVERY_MS;
    if (nextFrame_ > run_->glow.end() || run_->marks.count(second) != 0) return;
    run_->marks.emplace(second, std::make_shared<const Moment>(Moment::mark(nextFrame_, songMs)));
}

void Player::prepareSeeks(double endMs) {
    const std::shared_ptr<const Moment> here = keep();
    replayFrames(firstFrameAtOrAfter(plan_, endMs));
    returnTo(*here);
}

bool Player::renderAhead(double budgetMs) {
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                              std::chrono::duration<double, std::milli>(budgetMs));
    const bool more = run_->glow.renderAhead(glowOriginAt(*run_->logOrigin), deadline);
    demo::scene->blendAfterDraw.apply();
    return more;
}

bool Player::renderAheadInFrame() {
    constexpr std::chrono::duration<double, std::milli> FRAME_PERIOD(1000.0 / 60.0);
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - frameBegan_;
    return renderAhead((FRAME_PERIOD - spent).count());
}

std::size_t Player::glowCapturesRendered() const {
    return run_->glow.rendered();
}

void Player::seek(double ms) {
    replayTo(std::max(run_->start->nextFrame, firstFrameAtOrAfter(plan_, ms)));
    if (!plan_.virtualClock()) demo::music->seek(ms / 1000.0);
}

uint64_t Player::songMs() const {
    if (plan_.virtualClock()) return run_->songClock.milliseconds();
    return static_cast<uint64_t>(std::llround(demo::music->position() * 1000.0));
}

std::shared_ptr<const Moment> Player::keep() {
    run_->glow.catchUpAll(glowHorizon(), glowOrigin());
    bringGlUpToDate();
    auto moment = std::make_shared<Moment>(Moment::now(nextFrame_, songMs()));
    moment->showChangesBefore = showChangesFromMs_.size();
    return moment;
}

bool Player::stillTrue(const Moment& moment) const {
    for (std::size_t i = moment.showChangesBefore; i < showChangesFromMs_.size(); ++i) {
        if (showChangesFromMs_[i] <= static_cast<double>(moment.songMs)) return false;
    }
    return true;
}

void Player::returnTo(const Moment& moment) {
    moment.restore();
    run_->glow.markNoneBehind();
    glBehind_ = false;
    nextFrame_ = moment.nextFrame;
    demo::music->seek(static_cast<double>(moment.songMs) / 1000.0);
}

// Every few seconds of a run on a virtual clock, the show as drawn is kept, so
// that seeks and reloads replay from the nearest one instead of from the start.
void Player::keepCheckpoint() {
    if (!plan_.keepCheckpoints || !plan_.virtualClock() || glBehind_) return;
    const uint64_t now = songMs();
    for (const std::shared_ptr<const Moment>& checkpoint : run_->checkpoints) {
        const uint64_t apart = now > checkpoint->songMs ? now - checkpoint->songMs : checkpoint->songMs - now;
        if (apart < CHECKPOINT_EVERY_MS) return;
    }
    if (now < CHECKPOINT_EVERY_MS) return;
    run_->checkpoints.push_back(std::make_shared<const Moment>(Moment::now(nextFrame_, now)));
}

// The overlay slots whose file the new script changes show it from now on: a
// picture's pixels are no part of any kept moment, so nothing is run again. (The
// scene's textures by role keep theirs until the next start.)
void Player::repointOverlayPictures(const ShowPictures& before, const ShowPictures& after) {
    ImageOverlay& overlay = *demo::scene->overlay;
    for (std::size_t slot = 0; slot < after.overlay.size(); ++slot) {
        const ShowPicture& was = before.overlay[slot];
        const ShowPicture& is = after.overlay[slot];
        if (was.file == is.file && was.mask == is.mask && was.skipped == is.skipped) continue;
        const PictureLoad load = is.skipped ? PictureLoad{} : is.load();
        overlay.replaceImage(static_cast<int32_t>(slot), load.fileName, load.maskFileName,
                             *demo::textureStore);
    }
}

std::vector<std::string> Player::texturesForNextStart() const {
    std::vector<std::string> files;
    const ShowPictures pictures = showPicturesOf(*demo::script);
    for (std::size_t slot = 0; slot < pictures.scene.size() && slot < run_->sceneFilesAtOpen.size(); ++slot) {
        const std::string& file = pictures.scene[slot].file;
        if (file != run_->sceneFilesAtOpen[slot] && std::find(files.begin(), files.end(), file) == files.end())
            files.push_back(file);
    }
    return files;
}

void Player::reload(const ShowChanges& changes) {
    double differsFromMs = NO_DIFFERENCE;
    bool songChanged = changes.song;
    if (changes.script) {
        auto script = std::make_unique<DemoScript>(DemoScript::SCRIPT_FILE);
        differsFromMs = firstDifferenceMs(*demo::script, *script);
        script->place() = demo::script->place();  // the new script shares every event taken so far
        songChanged = songChanged || std::strcmp(script->songfile, demo::script->songfile) != 0;
        const ShowPictures before = showPicturesOf(*demo::script);
        demo::script = std::move(script);
        repointOverlayPictures(before, showPicturesOf(*demo::script));
    }
    if (songChanged) reopenSong();
    if (changes.coords) {
        demo::scene->overlay->reloadCoordinates(ImageOverlay::COORDINATES_FILE);
        differsFromMs = 0.0;
    }
    bool mirrorChanged = false;
    for (const std::string& picture : changes.pictures) {
        demo::textureStore->reload(picture.c_str());
        mirrorChanged =
            mirrorChanged || demo::textureStore->madeFrom(demo::scene->reflectTexture, picture.c_str());
    }
    // The beads mirror that picture into every glow capture: the glow differs from the start.
    if (mirrorChanged) differsFromMs = 0.0;
    if (differsFromMs == NO_DIFFERENCE) return;
    showChangesFromMs_.push_back(differsFromMs);
    // Frames that read a song time before the difference, and the marks at their ends, stay.
    const int64_t first = firstFrameAtOrAfter(plan_, differsFromMs);
    run_->glow.setAsideFrom(first);
    if (mirrorChanged) run_->glow.forgetKept();  // the same captures no longer make the same pixels
    auto& marks = run_->marks;
    for (auto mark = marks.begin(); mark != marks.end();)
        mark = mark->second->nextFrame > first ? marks.erase(mark) : std::next(mark);
    auto& checkpoints = run_->checkpoints;
    checkpoints.erase(std::remove_if(checkpoints.begin(), checkpoints.end(),
                                     [differsFromMs](const std::shared_ptr<const Moment>& c) {
                                         return static_cast<double>(c->songMs) >= differsFromMs;
                                     }),
                      checkpoints.end());
    // The frames run so far read song times up to the latest frame's; from the first
    // that could differ on, they are run again with the new show.
    if (static_cast<double>(songMs()) < differsFromMs) return;
    if (plan_.virtualClock()) {
        replayTo(nextFrame_);
        return;
    }
    const int64_t counted = nextFrame_;
    replayTo(firstFrameAtOrAfter(plan_, static_cast<double>(songMs()) + 1.0));
    nextFrame_ = counted;  // the song as heard plays on: only the show is run again
}

// The script names another song, or the song file changed: opened again and
// played on from where the show is. The old stream goes first, so that its sound
// output is free for the new one; no box stops the running show, the host reads
// what went wrong from songProblem().
void Player::reopenSong() {
    const double seconds = static_cast<double>(songMs()) / 1000.0;
    const bool wasPaused = paused();
    demo::music.reset();
    demo::music =
        std::make_unique<MusicStream>(demo::script->songfile, MusicSetup{songClock(), shell_, true});
    demo::music->play();
    demo::music->seek(seconds);
    if (wasPaused) demo::music->pause();
}

void Player::setPaused(bool paused) {
    if (paused) {
        demo::music->pause();
    } else {
        demo::music->resume();
    }
}

bool Player::paused() const {
    return demo::music->paused();
}

std::string Player::songProblem() const {
    return demo::music != nullptr ? demo::music->problem() : std::string();
}
