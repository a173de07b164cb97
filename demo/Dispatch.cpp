// The dispatch: the scene's switches through its layer table, the step clock's
// events through the clock, then the driver's camera and the scene's settings,
// and the events that steer the overlay's pictures.
// Picture indices and piece counts come from authors' scripts, so values outside
// the overlay's pictures or pieces are ignored or clamped rather than trusted.
#include "demo/Dispatch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "clock/StepClock.h"
#include "demo/DemoState.h"
#include "scene/SceneLayers.h"

using demo::driver;

namespace {

// The event's number truncated toward zero; `fallback` where that has no int32 value.
int32_t truncatedValue(float value, int32_t fallback) {
    if (!std::isfinite(value) || value >= 2147483648.0f || value < -2147483648.0f) return fallback;
    return static_cast<int32_t>(value);
}

// The event's number truncated toward zero, saturated to the int32 range (NaN: 0).
int32_t saturatedValue(float value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483648.0f) return INT32_MAX;
    if (value < -2147483648.0f) return INT32_MIN;
    return static_cast<int32_t>(value);
}

// The overlay picture the current event names, or -1 when it names none.
int32_t currentPicture(const ImageOverlay& overlay) {
    const int32_t index = truncatedValue(demo::script->currentValue(), -1);
    return index >= 0 && index < overlay.count ? index : -1;
}

void setFadeSpeed(ImageOverlay& overlay) {
    // A whole fade lasts 2 x value beats; 0 beats has no speed, so the event is ignored.
    const float beats = demo::script->currentValue();
    if (beats == 0.0f) return;
    const float speed = (static_cast<float>(demo::script->bpm) * 0.5f) / beats / 60000.0f;
    if (std::isfinite(speed)) overlay.fadeSpeed = speed;
}

void movePieces(ImageOverlay& overlay, int32_t picture, int32_t step) {
    const int32_t shown = overlay.piecesShown[picture] + step;
    overlay.piecesShown[picture] = std::clamp(shown, 0, overlay.pieces[picture].pieceCount);
}

void applyPictureEvent(int32_t kind) {
    ImageOverlay& overlay = *demo::scene->overlay;
    if (kind == EVENT_FADE_SPEED) {
        setFadeSpeed(overlay);
        return;
    }
    const int32_t i = currentPicture(overlay);
    if (i < 0) return;
    switch (kind) {
        case EVENT_SHOW_IMAGE:
            overlay.visible[i] = true;
            break;
        case EVENT_HIDE_IMAGE:
            overlay.visible[i] = false;
            break;
        case EVENT_FADE_IN:
            overlay.fadeState[i] = FADE_IN;
            overlay.fadeLevel[i] = 0.0f;
            break;
        case EVENT_FADE_OUT:
            overlay.fadeState[i] = FADE_OUT;
            overlay.fadeLevel[i] = 1.0f;
            break;
        case EVENT_IMAGE_STILL:
            overlay.mode[i] = MODE_STILL;
            break;
        case EVENT_IMAGE_ZOOM:
            overlay.mode[i] = MODE_ZOOM;
            break;
        case EVENT_IMAGE_PIECES:
            overlay.mode[i] = MODE_PIECES;
            break;
        case EVENT_NEXT_PIECE:
            movePieces(overlay, i, +1);
            break;
        case EVENT_PREVIOUS_PIECE:
            movePieces(overlay, i, -1);
            break;
        default:
            break;
    }
}

}  // namespace

void applyEvent(int32_t kind) {
    DemoScript& script = *demo::script;
    if (const SceneLayer* layer = sceneLayerForEvent(kind)) {
        demo::scene.get()->*layer->flag = script.currentOn();
        return;
    }
    if (applyStepClockEvent(kind, driver.sync, script)) return;
    switch (kind) {
        case EVENT_SHOW_IMAGE:
        case EVENT_HIDE_IMAGE:
        case EVENT_FADE_SPEED:
        case EVENT_FADE_IN:
        case EVENT_FADE_OUT:
        case EVENT_IMAGE_STILL:
        case EVENT_IMAGE_ZOOM:
        case EVENT_IMAGE_PIECES:
        case EVENT_NEXT_PIECE:
        case EVENT_PREVIOUS_PIECE:
            applyPictureEvent(kind);
            break;
        case EVENT_SYNC_ONCE:
            demo::scene->syncAction();
            break;
        case EVENT_CAMERA_DISTANCE:
            driver.cameraDistance = script.currentValue();
            break;
        case EVENT_BUFFER_DETAIL:
            demo::scene->bufferDetail = saturatedValue(script.currentValue());
            break;
        case EVENT_RANDOM_CAMERA:
            driver.randomCamera = script.currentOn();
            break;
        case EVENT_ROTATE_SPEED:
            demo::scene->rotateSpeed = script.currentValue();
            break;
        default:
            break;  // 7, 8 and unknown kinds are taken without effect
    }
}
