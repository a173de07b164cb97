// The authoring session's status line on standard error: where the show is
// (pattern:beat and seconds), the frame rate, the layers on, the loop, paused, and
// the latest notice. Rewritten in place on a terminal, one line each time otherwise,
// at most every half second unless asked to show now.
#pragma once

#include <cstdint>
#include <string>

class EditTransport;
class Player;

class StatusLine {
public:
    StatusLine();
    ~StatusLine();
    StatusLine(const StatusLine&) = delete;
    StatusLine& operator=(const StatusLine&) = delete;

    // Counts a shown frame for the frame rate.
    void frameShown();
    double fps() const { return fps_; }
    // Whether a new line is due: half a second after the last one, or `now`.
    bool due(bool now) const;
    void show(const std::string& line);

private:
    bool terminal_ = false;
    uint32_t lastTick_ = 0;
    uint32_t fpsTick_ = 0;
    int32_t framesSinceFpsTick_ = 0;
    double fps_ = 0.0;
};

std::string statusText(const Player& player, const EditTransport& transport, double fps,
                       const std::string& notice);
