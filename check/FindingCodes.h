// The stable short names of every finding the show check gives, in one place, so that editors
// and tests can rely on them. Messages are composed where each finding is made.
#pragma once

namespace code {

// Script: errors.
constexpr const char* UNKNOWN_KEYWORD = "unknown-keyword";
constexpr const char* PARTIAL_TIME = "partial-time";
constexpr const char* MISSING_ARGUMENT = "missing-argument";
constexpr const char* NOT_A_NUMBER = "not-a-number";
constexpr const char* NOT_A_STEP_PATTERN = "not-a-step-pattern";
constexpr const char* PICTURE_INDEX = "picture-index";
constexpr const char* WORD_CUT = "word-cut";
constexpr const char* TOO_MANY_EVENTS = "too-many-events";
constexpr const char* BYTE_ORDER_MARK = "byte-order-mark";
constexpr const char* SCRIPT_MISSING = "script-missing";
constexpr const char* NOT_A_SWITCH = "not-a-switch";
constexpr const char* TEXTURE_ROLE = "texture-role";
// Script: warnings.
constexpr const char* OUT_OF_ORDER = "out-of-order";
constexpr const char* HEADER_AFTER_EVENTS = "header-after-events";
constexpr const char* UNKNOWN_INIT = "unknown-init";
constexpr const char* BAD_TEMPO = "bad-tempo";
constexpr const char* SWITCH_LOOKS_ON = "switch-looks-on";
constexpr const char* BEYOND_SONG_END = "beyond-song-end";
constexpr const char* PATTERN_TOO_LONG = "pattern-too-long";
constexpr const char* PATTERN_CHARACTERS = "pattern-characters";
constexpr const char* NEGATIVE_TIME_COMMENT = "negative-time-comment";
constexpr const char* DOT_TIME_COMMENT = "dot-time-comment";
constexpr const char* MISSPELLED_INIT = "misspelled-init";
constexpr const char* BEAT_PAST_PATTERN = "beat-past-pattern";
// Script: notes.
constexpr const char* NO_END = "no-end";
constexpr const char* AFTER_END = "after-end";
constexpr const char* SET_NEVER_APPLIED = "set-never-applied";
constexpr const char* DEFAULT_PATTERN_SPEED = "default-pattern-speed";
constexpr const char* KEYWORD_WITHOUT_TIME = "keyword-without-time";
constexpr const char* NO_PIECE_LEFT = "no-piece-left";
// Song and pictures: errors.
constexpr const char* SONG_MISSING = "song-missing";
constexpr const char* SONG_UNDECODABLE = "song-undecodable";
constexpr const char* PICTURE_MISSING = "picture-missing";
constexpr const char* PICTURE_UNDECODABLE = "picture-undecodable";
constexpr const char* PICTURE_UNREADABLE = "picture-unreadable";
constexpr const char* PICTURE_KIND = "picture-kind";
// Coordinates: warnings.
constexpr const char* COORDS_MISSING = "coords-missing";
constexpr const char* COORDS_PICTURE_INDEX = "coords-picture-index";
constexpr const char* COORDS_TOO_MANY_PIECES = "coords-too-many-pieces";
constexpr const char* COORDS_INCOMPLETE_GROUP = "coords-incomplete-group";
constexpr const char* COORDS_PIECE_OUTSIDE = "coords-piece-outside";
constexpr const char* COORDS_NOT_A_NUMBER = "coords-not-a-number";
constexpr const char* COORDS_SHORT_LINE = "coords-short-line";

}  // namespace code
