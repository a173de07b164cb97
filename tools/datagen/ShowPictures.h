// The player's overlay picture slots, by load position, as the script names them.
#pragma once

namespace picture {
constexpr int NOISE = 0;
constexpr int FIRST_TITLE = 1;  // title1..title5 are 1..5
constexpr int TITLE_COUNT = 5;
constexpr int LOGO = 6;
constexpr int BANNER = 7;  // musta.jpg through tekstit-alpha.jpg
constexpr int CREDITS = 8;
constexpr int GREETINGS = 9;
constexpr int GREETINGS_ECHO = 10;  // tekstit2.jpg again, in its own slot
constexpr int MORE_GREETINGS = 11;
constexpr int FIRST_WORD = 12;  // pastaa1..pastaa5 are 12..16
constexpr int WORD_COUNT = 5;
constexpr int CLOSING = 17;
}  // namespace picture
