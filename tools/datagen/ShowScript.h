// The show: script.txt, written from the song's own structure constants so that
// every cue lands on the section, bar and drum hit it belongs to.
#pragma once

#include <string>

std::string showScript();
