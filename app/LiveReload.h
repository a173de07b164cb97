// Live reload in the authoring mode: the script, the coordinates, the song and the
// pictures are watched; a change is taken once its write is known to be finished (a
// close after writing, a rename into place) or, failing that, once it has settled
// (no write for about 100 ms, so a half-written file is never read), and only when
// the show check finds no error in it. Then the player takes it at the moment it is
// playing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/FileWatch.h"
#include "check/Finding.h"
#include "player/Player.h"

class LiveReload {
public:
    explicit LiveReload(Player& player);

    // Between frames: takes what the files say; when a change has settled, checks
    // and reloads it. The status to show ("reloaded in N ms", "not reloaded: N
    // errors") when that happened, else empty.
    std::string poll();
    // The R key: the script and the coordinates taken again now, checked first.
    std::string reloadNow();
    // The script the editor has just saved, its write complete: taken now, checked
    // first, with whatever else the files say changed, without waiting to settle.
    std::string takeSavedScript();
    // The latest check's findings (at start, then at every reload).
    const std::vector<Finding>& findings() const { return findings_; }
    // Runs the check and prints its findings on standard error when there are any.
    void checkAndReport();

private:
    std::string apply();
    void note(const std::string& file);
    bool songHeard();
    bool texturesTaken();

    Player& player_;
    FileWatch watch_;
    ShowChanges pending_;
    bool changed_ = false;
    std::vector<std::string> pendingFiles_;  // touched since the last reload
    uint32_t lastTouchTick_ = 0;
    std::vector<Finding> findings_;
};
