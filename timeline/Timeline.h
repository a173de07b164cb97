// What the timeline picture shows, in song seconds: the script's events with their
// lines, the on-spans of every switch, the overlay pictures' marks, the sync pattern's
// changes and the camera jumps, the findings. Plain data; building and drawing live elsewhere.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "check/Finding.h"

struct Tempo {
    int32_t bpm = 125;
    int32_t patternLength = 16;
    int32_t patternSpeed = 4;
    int32_t offsetMs = 0;  // song time of pattern 0 beat 0

    double beatSeconds() const { return 60.0 / bpm; }
    double offsetSeconds() const { return offsetMs / 1000.0; }
    double patternSeconds() const { return beatSeconds() * patternLength / patternSpeed; }
    double stepSeconds() const { return beatSeconds() / patternSpeed; }
};

// One stored event line of the script, at the time it takes effect.
struct TimelineEvent {
    int32_t line = 0;      // from 1; 0 when the line could not be told
    double seconds = 0.0;  // its own time, or a later one of an event listed before it
    int32_t kind = 0;      // EventKind; 0 for a keyword the player does not know
    float value = 0.0f;    // the argument as the loader read it: number, step bits, switch
    int32_t bits = 0;
    bool isOn = false;
    std::string keyword;
    std::string argument;
    std::string text;  // the whole script line, for tooltips
};

struct Span {
    double on = 0.0;
    double off = 0.0;
};

// The on-spans of one switch keyword; `events` are the indices of the events that set it.
struct SwitchLane {
    std::string keyword;
    int32_t kind = 0;
    std::vector<Span> spans;
    std::vector<int32_t> events;
};

enum class PictureMark { Show, Hide, FadeIn, FadeOut, Still, Zoom, Pieces, NextPiece, PreviousPiece };

struct PictureMarkAt {
    PictureMark mark = PictureMark::Show;
    double seconds = 0.0;
    double until = 0.0;  // fades: when the level reaches its end; else equal to seconds
    int32_t event = -1;  // index into Timeline::events; -1 for the scene's own start state
};

// A stretch of one picture mode (0 still, 1 zoom, 2 flicker, 3 pieces).
struct ModeSpan {
    int32_t mode = 0;
    Span span;
};

struct PictureLane {
    int32_t picture = 0;  // the overlay's load position that events name
    std::string file;     // the file it shows, as the script has it
    std::vector<Span> shown;
    std::vector<ModeSpan> modes;
    std::vector<PictureMarkAt> marks;
};

struct SyncPatternChange {
    double seconds = 0.0;
    int32_t bits = 0;
    int32_t event = 0;
};

// A camera jump on the fixed 60 fps schedule of capture and benchmark runs.
struct CameraJump {
    int64_t frame = 0;
    double seconds = 0.0;
};

struct Timeline {
    std::string songFile;
    double songSeconds = -1.0;  // decoded length; negative when the song could not be read
    double endSeconds = 0.0;    // what the picture covers: the song, or the last event when later

    // Where spans still on are closed: the song's end, or the picture's when it is unknown.
    double closingSeconds() const { return songSeconds >= 0.0 ? songSeconds : endSeconds; }
    Tempo tempo;
    std::vector<TimelineEvent> events;
    std::vector<SwitchLane> switches;   // every switch keyword, in a fixed order
    std::vector<PictureLane> pictures;  // only pictures some event names, ascending
    std::vector<SyncPatternChange> syncPatterns;
    std::vector<CameraJump> jumps;
    std::vector<int32_t> otherEvents;  // events drawn as labelled ticks
    std::vector<Finding> findings;
};
