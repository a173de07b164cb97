// The pointer's events in the order they came, handed to Dear ImGui one button
// change per frame. A slow frame (a software renderer, a loaded machine) would
// otherwise see a press, a drag and a release at once and take them for one click
// where the pointer ended.
#pragma once

#include <cstdint>
#include <deque>

struct PointerState {
    float x = -1.0f;  // window pixels; negative: not over the window
    float y = -1.0f;
    bool down[3] = {false, false, false};  // left, right, middle
    float wheel = 0.0f;                    // steps since the last frame, up positive
};

class PointerQueue {
public:
    void moved(float x, float y);
    void left();  // the pointer left the window
    void button(int32_t index, bool down, float x, float y);
    void wheel(float steps);

    // The state for the next frame: every event up to and including the next button change.
    PointerState nextFrame();
    bool pending() const { return !events_.empty(); }

private:
    enum class Kind { Move, Leave, Press, Release, Wheel };
    struct Event {
        Kind kind = Kind::Move;
        float x = 0.0f;
        float y = 0.0f;
        int32_t button = 0;
        float steps = 0.0f;
    };

    std::deque<Event> events_;
    PointerState state_;
};
