// The pictures the player loads from data/, for tests that build, break or check
// a show folder.
#pragma once

inline constexpr const char* SHOW_PICTURES[] = {
    "noise.jpg",   "reflect.jpg",       "elektro1.jpg", "elektro2.jpg", "elektro3.jpg", "elektro4.jpg",
    "title1.jpg",  "title2.jpg",        "title3.jpg",   "title4.jpg",   "title5.jpg",   "quorvindale.jpg",
    "musta.jpg",   "tekstit-alpha.jpg", "tekstit1.jpg", "tekstit2.jpg", "tekstit3.jpg", "pastaa1.jpg",
    "pastaa2.jpg", "pastaa3.jpg",       "pastaa4.jpg",  "pastaa5.jpg",  "pastaa6.jpg",
};
