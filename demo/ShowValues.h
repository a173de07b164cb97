// Everything the show changes as it plays, one plain value per owner: the driver's
// fields, the scene's, its fringes', its overlay pictures', the script queue's
// place and the random sequence's. Each is copied whole, so a field added to any
// of them is kept and restored with no change here. The GL's side (lists, capture
// pixels, blending) and the song's position are the caller's.
#pragma once

#include "base/Random.h"
#include "demo/DriverValues.h"
#include "overlay/OverlayPictures.h"
#include "scene/RgbGlow.h"
#include "scene/SceneValues.h"
#include "script/QueuePlace.h"

struct ShowValues {
    DriverValues driver;
    SceneValues scene;
    RgbGlow fringes;
    OverlayPictures pictures;
    QueuePlace queue;
    RandomPlace random;
};

// The running show's values; the driver must be running.
ShowValues showValuesNow();
// Puts them all back; the bead lists are not compiled here.
void restoreShowValues(const ShowValues& values);
