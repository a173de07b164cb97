// The show, section by section. Times are relative to each section's first
// pattern; sync patterns are the drum rows the song plays there; piece reveals
// take their counts from the text cards' layouts.
#include "tools/datagen/ShowScript.h"

#include <cmath>
#include <string>

#include "generator/ScriptBuilder.h"
#include "tools/datagen/ShowPictures.h"
#include "generator/SongStructure.h"
#include "tools/datagen/TextCards.h"

namespace {

using song::Part;

ScriptTime at(Part part, int pattern, double beat = 0.0) {
    return {song::section(part).firstPattern + pattern, beat};
}

ScriptTime later(ScriptTime time, double beats) {
    const double total = time.beat + beats;
    const int patterns = static_cast<int>(std::floor(total / song::BEATS_PER_PATTERN));
    return {time.pattern + patterns, total - patterns * song::BEATS_PER_PATTERN};
}

// Sync switches and sync patterns change half a step before their downbeat. The
// player's step clock sums float step periods and may drift a little; changing
// between two steps keeps the pattern's first step on the downbeat, where the
// drum rows start.
ScriptTime halfStepBefore(ScriptTime time) {
    return later(time, -0.5 / song::PATTERN_SPEED);
}

void syncSwitch(ScriptBuilder& s, ScriptTime downbeat, bool on, const std::string& note = "") {
    s.event(halfStepBefore(downbeat), "sync", on ? "on" : "off", note);
}

void syncPattern(ScriptBuilder& s, ScriptTime downbeat, const char* drums, const std::string& note = "") {
    s.event(halfStepBefore(downbeat), "syncPattern", std::string("%") + drums, note);
}

void switchAll(ScriptBuilder& s, ScriptTime time, std::initializer_list<const char*> layers, bool on) {
    for (const char* layer : layers) s.event(time, layer, on ? "on" : "off");
}

void hideTitles(ScriptBuilder& s, ScriptTime time) {
    for (int i = 0; i < picture::TITLE_COUNT; ++i) s.event(time, "hideImage", picture::FIRST_TITLE + i);
}

// Shows a picture in pieces mode and reveals its pieces `beatsApart` beats apart.
void reveal(ScriptBuilder& s, ScriptTime start, int index, const std::string& card, double beatsApart) {
    s.event(start, "imagePieces", index);
    s.event(start, "showImage", index);
    for (int k = 0; k < pieceCount(textCard(card)); ++k)
        s.event(later(start, k * beatsApart), "nextPiece", index);
}

void retract(ScriptBuilder& s, ScriptTime start, int index, const std::string& card, double beatsApart) {
    for (int k = 0; k < pieceCount(textCard(card)); ++k) {
        s.event(later(start, k * beatsApart), "previousPiece", index);
    }
}

// A beat word flickers on the first two beats of a pattern.
void flickerWord(ScriptBuilder& s, ScriptTime start, int word) {
    const int index = picture::FIRST_WORD + word % picture::WORD_COUNT;
    s.event(start, "showImage", index);
    s.event(later(start, 0.5), "hideImage", index);
    s.event(later(start, 1.0), "showImage", index);
    s.event(later(start, 2.0), "hideImage", index);
}

void header(ScriptBuilder& s) {
    s.comment("flashstep, a real-time show by quorvindale");
    s.comment("times are pattern:beat; a pattern is 16 steps, 4 beats, 1.92 s");
    s.header("bpm", std::to_string(song::BPM));
    s.header("patternLength", std::to_string(song::PATTERN_LENGTH));
    s.header("patternSpeed", std::to_string(song::PATTERN_SPEED));
    s.header("songfile", "data/song.ogg");
}

void intro(ScriptBuilder& s) {
    s.section("intro: the makers, grain and glow; titles jump in with the kick");
    s.event(at(Part::Intro, 0), "cameraDistance", 14);
    s.event(at(Part::Intro, 0), "rotateSpeed", "0.15");
    s.event(at(Part::Intro, 0), "bufferDetail", 2, "64 pixel glow");
    s.event(at(Part::Intro, 0), "showImage", picture::NOISE, "grain, always flickering");
    s.event(at(Part::Intro, 0), "hohto", "on");
    s.event(at(Part::Intro, 0), "fadeSpeed", 4, "a fade takes 8 beats");
    s.event(at(Part::Intro, 0), "imageZoom", picture::LOGO);
    s.event(at(Part::Intro, 0), "fadeIn", picture::LOGO);
    s.event(at(Part::Intro, 0), "showImage", picture::LOGO, "quorvindale");
    s.event(at(Part::Intro, 2), "fadeOut", picture::LOGO);
    s.event(at(Part::Intro, 4), "hideImage", picture::LOGO);
    s.event(at(Part::Intro, 4), "imageStill", picture::LOGO);
    s.event(at(Part::Intro, 4), "titleImages", "on", "a new title on every jump");
    syncPattern(s, at(Part::Intro, 4), song::rows::HALF_TIME, "kick on 1 and 3");
    syncSwitch(s, at(Part::Intro, 4), true);
    s.event(at(Part::Intro, 4), "putki", "on");
    syncPattern(s, at(Part::Intro, 6), song::rows::FOUR_TO_THE_FLOOR, "kick on every beat");
}

void build(ScriptBuilder& s) {
    s.section("build: beads, the banner, the credits, then the snare roll");
    const ScriptTime start = at(Part::Build, 0);
    s.event(start, "titleImages", "off");
    hideTitles(s, start);
    s.event(start, "putki", "off");
    s.event(start, "palikat", "on");
    s.event(start, "rotateSpeed", "0.3");
    s.event(start, "fadeSpeed", 2, "4 beat fades");
    s.event(start, "fadeIn", picture::BANNER);
    s.event(start, "showImage", picture::BANNER, "all real time");
    s.event(at(Part::Build, 3), "fadeOut", picture::BANNER);
    s.event(at(Part::Build, 4), "hideImage", picture::BANNER);
    s.event(at(Part::Build, 4), "elektro", "on", "claps come in");
    reveal(s, at(Part::Build, 4), picture::CREDITS, "tekstit1.jpg", 2.0);
    s.event(at(Part::Build, 7), "hideImage", picture::CREDITS);
    syncPattern(s, at(Part::Build, 7), song::rows::ROLL_INTO_DROP, "snare roll");
}

void drop(ScriptBuilder& s) {
    s.section("drop: everything spins, words flash on the beat");
    const ScriptTime start = at(Part::Drop, 0);
    syncPattern(s, start, song::rows::FOUR_TO_THE_FLOOR);
    switchAll(s, start, {"rgbhohto", "scaled", "randomCamera", "kumma"}, true);
    s.event(start, "rotateSpeed", "0.6");
    s.event(start, "bufferDetail", 3);
    for (int k = 0; k < song::section(Part::Drop).patternCount; k += 2)
        flickerWord(s, at(Part::Drop, k), k / 2);
    s.event(at(Part::Drop, 4), "wireframe", "on");
    syncPattern(s, at(Part::Drop, 8), song::rows::KICK_AND_OFFBEAT, "kicks and open hats");
    s.event(at(Part::Drop, 8), "elektro", "off");
    s.event(at(Part::Drop, 8), "putki", "on");
    s.event(at(Part::Drop, 8), "bufferDetail", 4);
    s.event(at(Part::Drop, 12), "lorenz", "on");
    s.event(at(Part::Drop, 12), "wireframe", "off");
}

void breakdown(ScriptBuilder& s) {
    s.section("break: no drums, no jumps; greetings drift in");
    const ScriptTime start = at(Part::Break, 0);
    syncSwitch(s, start, false);
    s.event(start, "randomCamera", "off");
    s.event(start, "cameraDistance", 20);
    s.event(start, "rotateSpeed", "0.05");
    switchAll(s, start, {"palikat", "kumma", "putki", "rgbhohto", "scaled"}, false);
    s.event(start, "syncOnce", 0, "a calm new shape");
    s.event(start, "fadeSpeed", 8, "16 beat fades");
    reveal(s, start, picture::GREETINGS, "tekstit2.jpg", 2.0);
    // The echo zooms from here to the rise; no scene sync may restart it before.
    s.event(at(Part::Break, 2), "syncOnce", 0);
    s.event(at(Part::Break, 2), "imageZoom", picture::GREETINGS_ECHO);
    s.event(at(Part::Break, 2), "fadeIn", picture::GREETINGS_ECHO);
    s.event(at(Part::Break, 2), "showImage", picture::GREETINGS_ECHO, "a slow ghost of the list");
    retract(s, at(Part::Break, 6), picture::GREETINGS, "tekstit2.jpg", 0.5);
    s.event(at(Part::Break, 6), "fadeSpeed", 4, "out by the rise");
    s.event(at(Part::Break, 6), "fadeOut", picture::GREETINGS_ECHO);
}

void rise(ScriptBuilder& s) {
    s.section("rise: the snare doubles its pace twice");
    const ScriptTime start = at(Part::Rise, 0);
    s.event(start, "hideImage", picture::GREETINGS);
    s.event(start, "hideImage", picture::GREETINGS_ECHO);
    s.event(start, "imageStill", picture::GREETINGS_ECHO);
    syncPattern(s, start, song::rows::FOUR_TO_THE_FLOOR, "snare on the beat");
    syncSwitch(s, start, true);
    switchAll(s, start, {"palikat", "putki"}, true);
    reveal(s, start, picture::MORE_GREETINGS, "tekstit3.jpg", 2.0);
    syncPattern(s, at(Part::Rise, 2), song::rows::EIGHTHS, "eighths");
    syncPattern(s, at(Part::Rise, 3), song::rows::SIXTEENTHS, "sixteenths");
    s.event(at(Part::Rise, 3), "hideImage", picture::MORE_GREETINGS);
    s.event(at(Part::Rise, 3), "cameraDistance", 12);
}

void finale(ScriptBuilder& s) {
    s.section("finale: every layer at once");
    const ScriptTime start = at(Part::Finale, 0);
    syncPattern(s, start, song::rows::FINALE_KICK, "with the extra kick");
    switchAll(s, start, {"rgbhohto", "kumma", "wireframe", "elektro", "scaled", "randomCamera"}, true);
    s.event(start, "rotateSpeed", "0.8");
    for (int k = 0; k < 4; ++k) flickerWord(s, at(Part::Finale, k * 2), k);
    s.event(at(Part::Finale, 4), "titleImages", "on", "the titles return");
    s.event(at(Part::Finale, 8), "titleImages", "off");
    hideTitles(s, at(Part::Finale, 8));
    s.event(at(Part::Finale, 8), "fadeSpeed", 2);
    s.event(at(Part::Finale, 8), "fadeIn", picture::BANNER);
    s.event(at(Part::Finale, 8), "showImage", picture::BANNER);
    s.event(at(Part::Finale, 10), "fadeOut", picture::BANNER);
    s.event(at(Part::Finale, 12), "hideImage", picture::BANNER);
    switchAll(s, at(Part::Finale, 12), {"wireframe", "kumma"}, false);
    for (int k = 0; k < 4; ++k) flickerWord(s, at(Part::Finale, 12 + k), 4 - k);
}

void outro(ScriptBuilder& s) {
    s.section("outro: wind down, say thanks, one last flash");
    const ScriptTime start = at(Part::Outro, 0);
    syncPattern(s, start, song::rows::FOUR_TO_THE_FLOOR);
    switchAll(s, start, {"elektro", "putki", "randomCamera", "scaled", "lorenz"}, false);
    s.event(start, "cameraDistance", 16);
    s.event(start, "rotateSpeed", "0.1");
    reveal(s, start, picture::CLOSING, "pastaa6.jpg", 2.0);
    syncSwitch(s, at(Part::Outro, 4), false, "the drums stop");
    s.event(at(Part::Outro, 4), "rgbhohto", "off");
    s.event(at(Part::Outro, 4), "syncOnce", 0);
    s.event(at(Part::Outro, 6), "fadeSpeed", 4);
    s.event(at(Part::Outro, 6), "fadeOut", picture::CLOSING);
    s.event(at(Part::Outro, 8), "hideImage", picture::CLOSING);
    syncPattern(s, at(Part::Outro, 8), song::rows::LAST_HIT, "the last hit");
    syncSwitch(s, at(Part::Outro, 8), true);
    s.event(at(Part::Outro, 8, 1), "sync", "off");
    s.event(at(Part::Outro, 10), "palikat", "off");
    s.event(at(Part::Outro, 10), "hideImage", picture::NOISE);
    s.event(at(Part::Outro, 12), "hohto", "off", "black as the chord dies");
}

}  // namespace

std::string showScript() {
    ScriptBuilder s(song::BEATS_PER_PATTERN);
    header(s);
    intro(s);
    build(s);
    drop(s);
    breakdown(s);
    rise(s);
    finale(s);
    outro(s);
    return s.text({song::SONG_PATTERNS, 0.0});
}
