// Moves and wheel steps before a button change are taken with it, in one frame.
#include "editor/PointerQueue.h"

void PointerQueue::moved(float x, float y) {
    events_.push_back({Kind::Move, x, y, 0, 0.0f});
}

void PointerQueue::left() {
    events_.push_back({Kind::Leave, 0.0f, 0.0f, 0, 0.0f});
}

void PointerQueue::button(int32_t index, bool down, float x, float y) {
    if (index < 0 || index > 2) return;
    events_.push_back({down ? Kind::Press : Kind::Release, x, y, index, 0.0f});
}

void PointerQueue::wheel(float steps) {
    events_.push_back({Kind::Wheel, 0.0f, 0.0f, 0, steps});
}

PointerState PointerQueue::nextFrame() {
    state_.wheel = 0.0f;
    while (!events_.empty()) {
        const Event event = events_.front();
        events_.pop_front();
        switch (event.kind) {
            case Kind::Move:
                state_.x = event.x;
                state_.y = event.y;
                break;
            case Kind::Leave:
                state_.x = -1.0f;
                state_.y = -1.0f;
                break;
            case Kind::Wheel:
                state_.wheel += event.steps;
                break;
            case Kind::Press:
            case Kind::Release:
                state_.x = event.x;
                state_.y = event.y;
                state_.down[event.button] = event.kind == Kind::Press;
                return state_;
        }
    }
    return state_;
}
