// Settling file events, the check as the gate, and timing the reload.
#include "app/LiveReload.h"

#include <SDL_timer.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "base/Printable.h"
#include "check/FindingsOutput.h"
#include "check/ShowCheck.h"
#include "overlay/ImageOverlay.h"
#include "scene/ScenePictures.h"
#include "script/DemoScript.h"

namespace {

constexpr uint32_t SETTLE_MS = 100;

std::vector<std::string> watchedFiles(const Player& player) {
    std::vector<std::string> files = {DemoScript::SCRIPT_FILE, ImageOverlay::COORDINATES_FILE,
                                      player.script().songfile};
    const ShowPictures pictures = showPicturesOf(player.script());
    for (const PictureLoad& picture : pictures.loads()) {
        files.emplace_back(picture.fileName);
        if (picture.maskFileName[0] != '\0') files.emplace_back(picture.maskFileName);
    }
    return files;
}

int32_t errorsIn(const std::vector<Finding>& findings) {
    return static_cast<int32_t>(std::count_if(
        findings.begin(), findings.end(), [](const Finding& f) { return f.severity == Severity::Error; }));
}

}  // namespace

LiveReload::LiveReload(Player& player) : player_(player), watch_(watchedFiles(player)) {}

void LiveReload::note(const std::string& file) {
    if (std::find(pendingFiles_.begin(), pendingFiles_.end(), file) == pendingFiles_.end())
        pendingFiles_.push_back(file);
    if (file == DemoScript::SCRIPT_FILE) {
        pending_.script = true;
    } else if (file == ImageOverlay::COORDINATES_FILE) {
        pending_.coords = true;
    } else if (file == player_.script().songfile) {
        pending_.song = true;
    } else if (std::find(pending_.pictures.begin(), pending_.pictures.end(), file) ==
               pending_.pictures.end()) {
        pending_.pictures.push_back(file);
    }
    changed_ = true;
}

std::string LiveReload::poll() {
    const std::vector<std::string> touched = watch_.touched();
    if (!touched.empty()) lastTouchTick_ = SDL_GetTicks();
    for (const std::string& file : touched) note(file);
    const bool finished = std::all_of(pendingFiles_.begin(), pendingFiles_.end(),
                                      [this](const std::string& file) { return watch_.writeComplete(file); });
    if (!changed_ || (!finished && SDL_GetTicks() - lastTouchTick_ < SETTLE_MS)) return "";
    return apply();
}

std::string LiveReload::reloadNow() {
    pending_.script = true;
    pending_.coords = true;
    changed_ = true;
    return apply();
}

std::string LiveReload::takeSavedScript() {
    for (const std::string& file : watch_.touched()) note(file);
    pending_.script = true;
    changed_ = true;
    return apply();
}

// A song that cannot be played after a reload is a finding; the show goes on silent.
bool LiveReload::songHeard() {
    const std::string problem = player_.songProblem();
    if (problem.empty()) return true;
    Finding finding;
    finding.file = player_.script().songfile;
    finding.severity = Severity::Warning;
    finding.code = "song-not-heard";
    finding.message = problem + "; the show goes on without its sound";
    findings_.push_back(finding);
    return false;
}

// A texture named anew by role is a note: the scene settles its textures when the show starts.
bool LiveReload::texturesTaken() {
    const std::vector<std::string> files = player_.texturesForNextStart();
    for (const std::string& file : files) {
        Finding finding;
        finding.file = DemoScript::SCRIPT_FILE;
        finding.severity = Severity::Note;
        finding.code = "texture-at-next-start";
        finding.message = "init texture " + printable(file) +
                          ": the scene's textures are settled when the show starts; this one shows from the next start";
        findings_.push_back(finding);
    }
    return files.empty();
}

void LiveReload::checkAndReport() {
    findings_ = checkShow();
    if (!findings_.empty()) {
        std::fputs(formatFindings(findings_).c_str(), stderr);
        std::fflush(stderr);
    }
}

std::string LiveReload::apply() {
    const auto started = std::chrono::steady_clock::now();
    const ShowChanges changes = pending_;
    pending_ = ShowChanges{};
    pendingFiles_.clear();
    changed_ = false;
    checkAndReport();
    const int32_t errors = errorsIn(findings_);
    if (errors > 0) return "not reloaded: " + std::to_string(errors) + (errors == 1 ? " error" : " errors");
    player_.reload(changes);
    watch_.add(watchedFiles(player_));  // the script may name another song or other pictures now
    const bool heard = songHeard();
    const bool texturesNow = texturesTaken();
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    return "reloaded in " + std::to_string(elapsed.count()) + " ms" + (heard ? "" : "; the song is not heard") +
           (texturesNow ? "" : "; init texture: at the next start");
}
