// Every event keyword of the script in one table: its kind, what its argument word
// is read as, for a switch what it turns on and off, and for a switch the colour of
// its lane in timelines. The loader's keywords, the driver's dispatch, the scene's
// layer table, the check's argument forms and the timeline's lanes, spans and
// colours are all read from here. A new layer is one row (and its drawing).
#pragma once

#include <cstdint>
#include <iterator>

#include "script/DemoScript.h"

// What an event's argument word is read as (every event line has one all the same).
enum class ArgumentForm { Ignored, Switch, Number, Picture, StepPattern };

// What a switch keyword turns on and off.
enum class SwitchOf {
    Nothing,       // not a switch
    SceneLayer,    // a layer of the scene, drawn while on
    SceneSetting,  // a switch of the scene that steers its sync actions, drawing nothing itself
    Driver,        // one of the driver's own switches
};

struct EventEntry {
    const char* keyword = "";
    int32_t kind = EVENT_NONE;
    ArgumentForm argument = ArgumentForm::Ignored;
    SwitchOf switches = SwitchOf::Nothing;
    // 0xRRGGBB of a switch's timeline lane, chosen to stay apart from its neighbours
    // (after Kelly's contrast set): lanes next to each other never share a hue family.
    uint32_t laneColour = 0;

    constexpr bool isSwitch() const { return argument == ArgumentForm::Switch; }
    constexpr bool switchesScene() const {
        return switches == SwitchOf::SceneLayer || switches == SwitchOf::SceneSetting;
    }
};

// In the order timelines list the switches. "end" is not here: it stops the reading.
inline constexpr EventEntry EVENT_TABLE[] = {
    {"palikat", EVENT_PALIKAT, ArgumentForm::Switch, SwitchOf::SceneLayer, 0x0067a5},      // blue
    {"hohto", EVENT_HOHTO, ArgumentForm::Switch, SwitchOf::SceneLayer, 0xf38400},          // orange
    {"rgbhohto", EVENT_RGBHOHTO, ArgumentForm::Switch, SwitchOf::SceneLayer, 0xbe0032},    // red
    {"wireframe", EVENT_WIREFRAME, ArgumentForm::Switch, SwitchOf::SceneLayer, 0x848482},  // grey
    {"putki", EVENT_PUTKI, ArgumentForm::Switch, SwitchOf::SceneLayer, 0x008856},          // green
    {"kumma", EVENT_KUMMA, ArgumentForm::Switch, SwitchOf::SceneLayer, 0x875692},          // purple
    {"elektro", EVENT_ELEKTRO, ArgumentForm::Switch, SwitchOf::SceneLayer, 0x4fa3d9},      // sky
    {"lorenz", EVENT_LORENZ, ArgumentForm::Switch, SwitchOf::SceneLayer, 0xe68fac},        // pink
    {"scaled", EVENT_SCALED, ArgumentForm::Switch, SwitchOf::SceneSetting, 0x8db600},      // yellow-green
    {"titleImages", EVENT_TITLE_IMAGES, ArgumentForm::Switch, SwitchOf::SceneSetting, 0x882d17},  // brown
    {"showImage", EVENT_SHOW_IMAGE, ArgumentForm::Picture},
    {"hideImage", EVENT_HIDE_IMAGE, ArgumentForm::Picture},
    {"fadeSpeed", EVENT_FADE_SPEED, ArgumentForm::Number},
    {"fadeIn", EVENT_FADE_IN, ArgumentForm::Picture},
    {"fadeOut", EVENT_FADE_OUT, ArgumentForm::Picture},
    {"imageStill", EVENT_IMAGE_STILL, ArgumentForm::Picture},
    {"imageZoom", EVENT_IMAGE_ZOOM, ArgumentForm::Picture},
    {"imagePieces", EVENT_IMAGE_PIECES, ArgumentForm::Picture},
    {"nextPiece", EVENT_NEXT_PIECE, ArgumentForm::Picture},
    {"previousPiece", EVENT_PREVIOUS_PIECE, ArgumentForm::Picture},
    {"syncOnce", EVENT_SYNC_ONCE, ArgumentForm::Ignored},
    {"sync", EVENT_SYNC, ArgumentForm::Switch, SwitchOf::Driver, 0x2b3d26},  // dark olive
    {"cameraDistance", EVENT_CAMERA_DISTANCE, ArgumentForm::Number},
    {"syncPattern", EVENT_SYNC_PATTERN, ArgumentForm::StepPattern},
    {"bufferDetail", EVENT_BUFFER_DETAIL, ArgumentForm::Number},
    {"randomCamera", EVENT_RANDOM_CAMERA, ArgumentForm::Switch, SwitchOf::Driver, 0xd8a800},  // amber
    {"rotateSpeed", EVENT_ROTATE_SPEED, ArgumentForm::Number},
};

constexpr int32_t EVENT_ENTRIES = static_cast<int32_t>(std::size(EVENT_TABLE));

// The row of `kind`, or null for 0 and kinds no keyword has.
constexpr const EventEntry* eventEntry(int32_t kind) {
    for (const EventEntry& entry : EVENT_TABLE) {
        if (entry.kind == kind) return &entry;
    }
    return nullptr;
}

// The keyword of `kind` as the script writes it; "" for 0 and kinds no keyword has.
constexpr const char* eventKeyword(int32_t kind) {
    const EventEntry* entry = eventEntry(kind);
    return entry != nullptr ? entry->keyword : "";
}

// How many switches there are, and the i-th of them in table order (a timeline's i-th lane).
constexpr int32_t switchCount() {
    int32_t count = 0;
    for (const EventEntry& entry : EVENT_TABLE) count += entry.isSwitch() ? 1 : 0;
    return count;
}
const EventEntry& switchEntry(int32_t lane);
