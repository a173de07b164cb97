// The show's timeline: loads the plain-text script once (header lines, timed events,
// comments), then hands out due events in file order and steps the sync pattern.
// Pure logic: no GL, no audio, no allocation beyond the object itself.
#pragma once

#include <cstdint>

#include "script/PictureNames.h"
#include "script/QueuePlace.h"

// Event kinds, named after their script keywords. 7 and 8 are never produced.
enum EventKind : int32_t {
    EVENT_NONE = 0,
    EVENT_PALIKAT = 1,
    EVENT_HOHTO = 2,
    EVENT_RGBHOHTO = 3,
    EVENT_WIREFRAME = 4,
    EVENT_PUTKI = 5,
    EVENT_KUMMA = 6,
    EVENT_ELEKTRO = 9,
    EVENT_LORENZ = 10,
    EVENT_SCALED = 11,
    EVENT_TITLE_IMAGES = 12,
    EVENT_SHOW_IMAGE = 13,
    EVENT_HIDE_IMAGE = 14,
    EVENT_FADE_SPEED = 15,
    EVENT_FADE_IN = 16,
    EVENT_FADE_OUT = 17,
    EVENT_IMAGE_STILL = 18,
    EVENT_IMAGE_ZOOM = 19,
    EVENT_IMAGE_PIECES = 20,
    EVENT_NEXT_PIECE = 21,
    EVENT_PREVIOUS_PIECE = 22,
    EVENT_SYNC_ONCE = 23,
    EVENT_SYNC = 24,
    EVENT_CAMERA_DISTANCE = 25,
    EVENT_SYNC_PATTERN = 26,
    EVENT_BUFFER_DETAIL = 27,
    EVENT_RANDOM_CAMERA = 28,
    EVENT_ROTATE_SPEED = 29,
};

struct ScriptEvent {
    int32_t timeMs = 0;  // song time in whole milliseconds
    int32_t kind = 0;    // EventKind; 0 when the keyword was not recognised
    float value = 0.0f;  // argument as a number (atof)
    int32_t bits = 0;    // argument as a step pattern ("%x..x")
    bool isOn = false;   // argument as a switch ("on" or "true")
};

// The loaded script; what changes as the show plays is its QueuePlace.
class DemoScript : public QueuePlace {
public:
    static constexpr int32_t MAX_EVENTS = 1000;
    static constexpr int32_t SONGFILE_SIZE = 80;
    static constexpr int32_t TITLE_SIZE = 80;
    // Where a show keeps its script, from the show's folder.
    static constexpr const char* SCRIPT_FILE = "data/script.txt";

    // Reads the whole file; a file that cannot be opened leaves the defaults and no events.
    explicit DemoScript(const char* path);

    // Fills kind, value, bits and isOn of an event from a keyword and its argument word.
    static void parseEvent(ScriptEvent& event, const char* keyword, const char* argument);

    // Takes the next event in file order if its time has come at `seconds`; its kind, or 0.
    int32_t nextDueEvent(float seconds);

    // Arguments of the event taken last (of initialEvent before any was taken).
    float currentValue() const;
    bool currentOn() const;
    int32_t currentBits() const;

    // Replaces the 32 steps: step i is bit i of a non-negative value.
    void setSyncPattern(int32_t bits);
    // The step at the current position; advances, wrapping at patternLength.
    bool nextSyncStep();

    QueuePlace& place() { return *this; }
    const QueuePlace& place() const { return *this; }

    int32_t bpm = 125;
    int32_t patternLength = 16;
    int32_t patternSpeed = 4;
    char songfile[SONGFILE_SIZE] = {};
    // The window's name, as "init title" gives it; empty: the player's own.
    char title[TITLE_SIZE] = {};
    // Song time of pattern 0 beat 0, in milliseconds, as "init offset" gives it; 0 without.
    int32_t offsetMs = 0;
    // Pictures by file, as "init picture" and "init texture" give them.
    PictureNames pictures;
    float stepPeriod = 0.0f;
    int32_t eventCount = 0;
    ScriptEvent initialEvent;
    ScriptEvent events[MAX_EVENTS];
};
