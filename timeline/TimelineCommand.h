// The timeline command of the player: reads data/script.txt and its song from the
// working directory and writes the timeline picture, page or data to a file.
#pragma once

#include <string>

// `outFile`'s ending picks the form (.png, .svg, .pdf, .html, .json); `benchReport` is a
// benchmark report in JSON to draw a frame-cost lane from, "" for none. Returns the exit
// code: 0, or 1 with a message on standard error that names the file at fault. Leaves cairo
// and fontconfig with nothing cached, as the last thing the process draws.
int runTimelineCommand(const std::string& outFile, const std::string& benchReport);
