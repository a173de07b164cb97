// Text from the authors' files made fit for outputs that must be UTF-8 (the JSON,
// the page, cairo's labels): a script is bytes, and one stray byte in a comment or
// a file name must not cost the whole timeline.
#pragma once

#include <string>

#include "timeline/Timeline.h"

// `text` with every byte that does not begin a well-formed UTF-8 sequence replaced
// by U+FFFD, as the check's JSON replaces them.
std::string validUtf8(const std::string& text);
// Every text the timeline carries, made valid.
void makeTextValid(Timeline& timeline);
