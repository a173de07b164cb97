// The show in four sections: glow, grain and a logo; beads, a masked banner and a
// picture revealed in pieces; every layer at once with words on the beat; one last
// jump into the dark. Sync patterns change half a step before their downbeat, so
// that a step clock running a little early or late still starts them on it.
#include "newshow/NewScript.h"

#include <cmath>

#include "generator/ScriptBuilder.h"
#include "newshow/NewCoords.h"
#include "newshow/OverlayPlan.h"

namespace {

constexpr int BEATS_PER_PATTERN = 4;
constexpr int STEPS_PER_BEAT = 4;
constexpr double HALF_STEP = 0.5 / STEPS_PER_BEAT;

using namespace overlay_plan;

// Where a moment of the layout falls in the song. A longer song spreads the
// patterns apart and keeps each moment's beat; a shorter one draws all beats
// together onto the step grid. Either way the order of moments stays.
class SongTimes {
public:
    explicit SongTimes(int songPatterns)
        : factor_(static_cast<double>(std::max(1, songPatterns)) / TEMPLATE_PATTERNS) {}

    ScriptTime at(int pattern, double beat = 0.0) const {
        if (factor_ >= 1.0) return {static_cast<int>(std::floor(pattern * factor_)), beat};
        const double beats =
            std::floor((pattern * BEATS_PER_PATTERN + beat) * factor_ * STEPS_PER_BEAT) / STEPS_PER_BEAT;
        const int whole = static_cast<int>(beats / BEATS_PER_PATTERN);
        return {whole, beats - whole * BEATS_PER_PATTERN};
    }

    // Drawn together, moments share steps, and a half step back could pass one before.
    ScriptTime halfStepBefore(int pattern) const {
        const ScriptTime downbeat = at(pattern);
        if (factor_ < 1.0 || (downbeat.pattern == 0 && downbeat.beat == 0.0)) return downbeat;
        if (downbeat.beat >= HALF_STEP) return {downbeat.pattern, downbeat.beat - HALF_STEP};
        return {downbeat.pattern - 1, BEATS_PER_PATTERN - HALF_STEP};
    }

private:
    double factor_;
};

void header(ScriptBuilder& s, const NewScriptSong& song) {
    s.comment("A new flashstep show. Change anything, then run flashstep --check; README.txt has more.");
    s.comment(
        "Times are pattern:beat. A pattern is 16 steps, 4 beats. A line starting with anything "
        "but init or a digit is a comment, and so is the rest of a line after #.");
    s.header("title", song.title, "the window's name: every word to the end of the line or a #");
    s.header("bpm", std::to_string(song.bpm), "beats per minute of the song");
    s.header("patternLength", "16", "steps in a pattern");
    s.header("patternSpeed", "4", "steps in a beat");
    s.header("songfile", song.songFile, "the song, from the show folder");
    if (song.offsetMs) s.header("offset", std::to_string(*song.offsetMs), "ms of song before 0:0");
}

void opening(ScriptBuilder& s, const SongTimes& t) {
    s.section("start: glow, grain, a logo; titles jump in");
    s.event(t.at(0), "cameraDistance", 14, "camera 14 units from the middle");
    s.event(t.at(0), "rotateSpeed", "0.15", "the scene spins slowly");
    s.event(t.at(0), "bufferDetail", 2, "glow drawn at 64 pixels (0-4)");
    s.event(t.at(0), "hohto", "on", "layer: a glow around everything");
    s.event(t.at(0), "showImage", GRAIN, "picture 0, the grain, stays on");
    s.event(t.at(0), "fadeSpeed", 4, "a fade lasts 8 beats");
    s.event(t.at(0), "imageZoom", LOGO, "picture 6 zooms while shown");
    s.event(t.at(0), "fadeIn", LOGO, "picture 6 fades in");
    s.event(t.at(0), "showImage", LOGO, "show picture 6");
    s.event(t.at(0), "syncPattern", "%x.......x.......", "jumps on steps 1 and 9");
    s.event(t.at(0), "sync", "on", "camera jumps follow the pattern");
    s.event(t.at(0), "titleImages", "on", "a title (1-5) on every jump");
    s.event(t.at(0), "putki", "on", "layer: the long noise tube");
    s.event(t.halfStepBefore(2), "syncPattern", "%x...x...x...x...", "a jump on every beat");
    s.event(t.at(2), "fadeOut", LOGO, "picture 6 fades out");
}

void build(ScriptBuilder& s, const SongTimes& t) {
    s.section("build: beads, a masked banner, a picture in pieces");
    s.event(t.at(4), "hideImage", LOGO, "hide picture 6");
    s.event(t.at(4), "imageStill", LOGO, "picture 6 still again");
    s.event(t.at(4), "titleImages", "off", "no more titles on jumps");
    for (int i = 0; i < TITLES; ++i)
        s.event(t.at(4), "hideImage", FIRST_TITLE + i, "hide title " + std::to_string(FIRST_TITLE + i));
    s.event(t.at(4), "putki", "off", "tube off");
    s.event(t.at(4), "palikat", "on", "layer: shells of mirrored beads");
    s.event(t.at(4), "rotateSpeed", "0.3", "spin faster");
    s.event(t.at(4), "fadeSpeed", 2, "a fade lasts 4 beats");
    s.event(t.at(4), "fadeIn", BANNER, "picture 7 fades in");
    s.event(t.at(4), "showImage", BANNER, "picture 7, through its mask");
    s.event(t.at(5), "fadeOut", BANNER, "picture 7 fades out");
    s.event(t.at(6), "hideImage", BANNER, "hide picture 7");
    s.event(t.at(6), "elektro", "on", "layer: electric bands");
    s.event(t.at(6), "imagePieces", PIECES, "picture 8 shows piece by piece");
    s.event(t.at(6), "showImage", PIECES, "show picture 8 (no piece yet)");
    const int pieces = static_cast<int>(newShowPieces().size());
    for (int k = 0; k < pieces; ++k) {
        s.event(t.at(6 + k / 2, 2.0 * (k % 2)), "nextPiece", PIECES,
                "piece " + std::to_string(k + 1) + " (data/coords.txt)");
    }
    s.event(t.halfStepBefore(7), "syncPattern", "%x.x.x.x.xxxxxxxx", "faster jumps into the drop");
    s.event(t.at(7, 3), "previousPiece", PIECES, "take the last piece back");
}

void drop(ScriptBuilder& s, const SongTimes& t) {
    s.section("drop: every layer, words on the beat");
    s.event(t.halfStepBefore(8), "syncPattern", "%x...x...x...x...", "a jump on every beat");
    s.event(t.at(8), "hideImage", PIECES, "hide picture 8");
    s.event(t.at(8), "rgbhohto", "on", "layer: glow with colour fringes");
    s.event(t.at(8), "scaled", "on", "beads stretched anew each jump");
    s.event(t.at(8), "randomCamera", "on", "jumps go anywhere around");
    s.event(t.at(8), "kumma", "on", "layer: beads stretched to spikes");
    s.event(t.at(8), "rotateSpeed", "0.6", "spin faster still");
    s.event(t.at(8), "bufferDetail", 3, "glow drawn at 128 pixels");
    for (int w = 0; w < WORDS; ++w) {
        const int picture = FIRST_WORD + (w + 3) % WORDS;  // 12 to 17 first, then 9 to 11
        const int pattern = 8 + w / 2;
        const double beat = 2.0 * (w % 2);
        s.event(t.at(pattern, beat), "showImage", picture, "show picture " + std::to_string(picture));
        s.event(t.at(pattern, beat + 1.0), "hideImage", picture, "and hide it a beat later");
    }
    s.event(t.at(10), "wireframe", "on", "layer: the beads as outlines");
    s.event(t.at(12), "wireframe", "off", "outlines off");
    s.event(t.at(12), "elektro", "off", "electric bands off");
    s.event(t.at(12), "lorenz", "on", "layer: the Lorenz web");
    s.event(t.at(12), "syncOnce", 0, "new shapes now, without a jump");
    s.event(t.at(14), "cameraDistance", 20, "camera further out");
}

void ending(ScriptBuilder& s, const SongTimes& t) {
    s.section("end: one last jump, then dark");
    s.event(t.halfStepBefore(16), "syncPattern", "%x...............", "one jump a pattern");
    s.event(t.at(16), "palikat", "off", "beads off");
    s.event(t.at(16), "kumma", "off", "spikes off");
    s.event(t.at(16), "rgbhohto", "off", "colour fringes off");
    s.event(t.at(16), "scaled", "off", "no more stretching");
    s.event(t.at(16), "randomCamera", "off", "jumps stay on their path");
    s.event(t.at(16), "lorenz", "off", "Lorenz web off");
    s.event(t.at(16, 1), "sync", "off", "no more camera jumps");
    s.event(t.at(17), "hideImage", GRAIN, "grain off");
    s.event(t.at(17), "hohto", "off", "glow off: black");
}

}  // namespace

std::string newShowScript(const NewScriptSong& song) {
    const SongTimes times(song.patterns);
    ScriptBuilder s(BEATS_PER_PATTERN);
    header(s, song);
    opening(s, times);
    build(s, times);
    drop(s, times);
    ending(s, times);
    return s.text(times.at(TEMPLATE_PATTERNS));
}
