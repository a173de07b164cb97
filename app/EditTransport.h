// The authoring session's transport: the play head moved (seeks, steps, scrubbing),
// pause and resume, and the loop with its laps, which go back to a kept moment of
// the loop's start. Each action returns what it did, in words for the status line.
#pragma once

#include <memory>
#include <string>

#include "player/Player.h"

struct Moment;

class EditTransport {
public:
    EditTransport(Player& player, GLWindow& window);

    double positionMs() const;
    bool paused() const { return paused_; }
    bool looping() const { return looping_; }
    double loopStartMs() const { return loopStartMs_; }  // negative: no loop set
    double loopEndMs() const { return loopEndMs_; }

    std::string seekTo(double ms);
    // A step back or on from the play head to `ms` (a line of the grid); heard while paused.
    std::string stepTo(double ms);
    std::string togglePause();
    // The loop's ends at picked times; the start is kept as a moment when it is the play head.
    std::string setLoopStart(double ms);
    std::string setLoopEnd(double ms);
    std::string toggleLoop();
    std::string setLoop(double startMs, double endMs);
    // A drag holds the show at the play head and lets the song be heard there; the
    // show plays on afterwards if it played before.
    std::string scrubTo(double ms);
    std::string endScrub();  // "" when no drag was going on
    // Goes back to the loop's start when a lap is done: before a frame on a virtual
    // clock (its time is known ahead), after one on the song as heard.
    void lapBeforeFrame();
    void lapAfterFrame();
    void returnToLoopStart();

private:
    void hearPlayHead();

    Player& player_;
    GLWindow& window_;
    bool paused_ = false;
    double loopStartMs_ = -1.0;
    double loopEndMs_ = -1.0;
    bool looping_ = false;
    std::shared_ptr<const Moment> loopStart_;
    bool scrubbing_ = false;
    bool playAfterScrub_ = false;  // the show played when the drag began
};
