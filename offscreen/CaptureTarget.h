// Where a capture is written while it runs, and how it takes its final name: a
// temporary file (or, for numbered frames, a temporary folder) beside the target,
// renamed into place only when the whole capture succeeded, removed otherwise.
// Numbered frames that were there before are put back when moving the new ones in
// fails. What a killed capture of the same target left behind goes first.
#pragma once

#include <string>

#include "offscreen/CaptureFormat.h"
#include "offscreen/HiddenBeside.h"

class CaptureTarget {
public:
    CaptureTarget() = default;
    ~CaptureTarget();  // removes what was not committed
    CaptureTarget(const CaptureTarget&) = delete;
    CaptureTarget& operator=(const CaptureTarget&) = delete;

    // Creates the temporary place beside `file`; false with the reason in `error`.
    bool prepare(const std::string& file, CaptureKind kind, std::string& error);
    // What the encoder writes to: the temporary file, or the frame pattern inside the folder.
    std::string writePath() const;
    // Moves the result to its final name; false with the reason in `error` (then nothing is left).
    bool commit(std::string& error);
    // Removes the temporary file or folder and everything in it.
    void discard();

    std::string file;       // the final name (a pattern for numbered frames)
    std::string temporary;  // empty when nothing is pending
    CaptureKind kind = CaptureKind::Unknown;

private:
    HiddenBeside hidden_;
};
