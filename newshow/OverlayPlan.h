// The overlay pictures a new show's script uses, by number, and what it uses each
// for: one place for the script, the coordinates and the placeholders to agree on.
#pragma once

namespace overlay_plan {

constexpr int GRAIN = 0;        // on all the time
constexpr int FIRST_TITLE = 1;  // 1 to 5: a title on every camera jump
constexpr int TITLES = 5;
constexpr int LOGO = 6;        // zooms and fades in and out at the start
constexpr int BANNER = 7;      // seen through its mask
constexpr int PIECES = 8;      // revealed piece by piece (data/coords.txt)
constexpr int FIRST_WORD = 9;  // 9 to 17 flash on the beat
constexpr int WORDS = 9;

constexpr bool isTitle(int picture) {
    return picture >= FIRST_TITLE && picture < FIRST_TITLE + TITLES;
}

}  // namespace overlay_plan
