// Picture lanes from the picture events in effect order. The fade length follows
// the fade speed in force when a fade starts, and a fade is cut short by the next
// fade of the same picture. Which title pictures a scene sync shows is random
// and not drawn here; the titleImages lane shows when that happens.
#include "timeline/PictureLanes.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "script/DemoScript.h"

namespace {

constexpr int32_t PICTURE_SLOTS = 20;              // the overlay holds at most 20 pictures
constexpr float START_FADE_PER_MS = 3.59375e-05f;  // the overlay's fade speed before any fadeSpeed event
constexpr int32_t FLICKERING_PICTURE = 0;          // the scene starts the grain picture flickering
constexpr int32_t MODE_STILL = 0;
constexpr int32_t MODE_ZOOM = 1;
constexpr int32_t MODE_FLICKER = 2;
constexpr int32_t MODE_PIECES = 3;

int32_t pictureOf(const TimelineEvent& event) {
    if (!std::isfinite(event.value) || event.value <= -1.0f || event.value >= PICTURE_SLOTS) return -1;
    return static_cast<int32_t>(event.value);
}

// What the dispatch does with a fadeSpeed event: the speed per millisecond, or the old one.
float fadeSpeedAfter(const TimelineEvent& event, const Tempo& tempo, float speed) {
    if (event.value == 0.0f) return speed;
    const float next = (static_cast<float>(tempo.bpm) * 0.5f) / event.value / 60000.0f;
    return std::isfinite(next) ? next : speed;
}

struct LaneBuilder {
    PictureLane lane;
    bool shown = false;
    double shownSince = 0.0;
    int32_t mode = MODE_STILL;
    double modeSince = 0.0;

    void setShown(bool on, double at) {
        if (on && !shown) shownSince = at;
        if (!on && shown && at > shownSince) lane.shown.push_back({shownSince, at});
        shown = on;
    }
    void setMode(int32_t next, double at) {
        if (at > modeSince) lane.modes.push_back({mode, {modeSince, at}});
        mode = next;
        modeSince = at;
    }
    void close(double at) {
        setShown(false, at);
        setMode(MODE_STILL, at);
    }
};

PictureMark markOf(int32_t kind) {
    switch (kind) {
        case EVENT_SHOW_IMAGE:
            return PictureMark::Show;
        case EVENT_HIDE_IMAGE:
            return PictureMark::Hide;
        case EVENT_FADE_IN:
            return PictureMark::FadeIn;
        case EVENT_FADE_OUT:
            return PictureMark::FadeOut;
        case EVENT_IMAGE_STILL:
            return PictureMark::Still;
        case EVENT_IMAGE_ZOOM:
            return PictureMark::Zoom;
        case EVENT_IMAGE_PIECES:
            return PictureMark::Pieces;
        case EVENT_NEXT_PIECE:
            return PictureMark::NextPiece;
        default:
            return PictureMark::PreviousPiece;
    }
}

void applyMark(LaneBuilder& builder, const PictureMarkAt& mark) {
    switch (mark.mark) {
        case PictureMark::Show:
            builder.setShown(true, mark.seconds);
            break;
        case PictureMark::Hide:
            builder.setShown(false, mark.seconds);
            break;
        case PictureMark::Still:
            builder.setMode(MODE_STILL, mark.seconds);
            break;
        case PictureMark::Zoom:
            builder.setMode(MODE_ZOOM, mark.seconds);
            break;
        case PictureMark::Pieces:
            builder.setMode(MODE_PIECES, mark.seconds);
            break;
        default:
            break;
    }
}

bool isFade(const PictureMarkAt& mark) {
    return mark.mark == PictureMark::FadeIn || mark.mark == PictureMark::FadeOut;
}

// A new fade restarts the level, so the one before ends there.
void cutOverlappingFades(PictureLane& lane) {
    PictureMarkAt* running = nullptr;
    for (PictureMarkAt& mark : lane.marks) {
        if (!isFade(mark)) continue;
        if (running != nullptr) running->until = std::min(running->until, mark.seconds);
        running = &mark;
    }
}

}  // namespace

bool isPictureEvent(const TimelineEvent& event) {
    return event.kind >= EVENT_SHOW_IMAGE && event.kind <= EVENT_PREVIOUS_PIECE &&
           event.kind != EVENT_FADE_SPEED && pictureOf(event) >= 0;
}

std::vector<PictureLane> pictureLanes(const std::vector<TimelineEvent>& events, const Tempo& tempo,
                                      double closingSeconds) {
    std::map<int32_t, LaneBuilder> builders;
    float fadePerMs = START_FADE_PER_MS;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const TimelineEvent& event = events[i];
        if (event.kind == EVENT_FADE_SPEED) fadePerMs = fadeSpeedAfter(event, tempo, fadePerMs);
        if (!isPictureEvent(event)) continue;
        const int32_t picture = pictureOf(event);
        LaneBuilder& builder = builders[picture];
        if (builder.lane.marks.empty()) {
            builder.lane.picture = picture;
            if (picture == FLICKERING_PICTURE) builder.mode = MODE_FLICKER;
        }
        PictureMarkAt mark;
        mark.mark = markOf(event.kind);
        mark.seconds = std::min(event.seconds, closingSeconds);
        mark.until = mark.seconds;
        mark.event = static_cast<int32_t>(i);
        if (isFade(mark)) {
            const double length = fadePerMs > 0.0f ? 1.0 / fadePerMs / 1000.0 : closingSeconds;
            mark.until = std::min(mark.seconds + length, closingSeconds);
        }
        applyMark(builder, mark);
        builder.lane.marks.push_back(mark);
    }
    std::vector<PictureLane> lanes;
    for (auto& [picture, builder] : builders) {
        builder.close(closingSeconds);
        cutOverlappingFades(builder.lane);
        lanes.push_back(std::move(builder.lane));
    }
    return lanes;
}
