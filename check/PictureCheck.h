// Findings on the show's pictures and masks: each file is opened and its PNG or JPEG header read,
// which tells whether it decodes (a JPEG gray or RGB with 8-bit samples; any PNG; within the size
// limit) without decoding a single pixel. Pictures the script never shows are not checked, and
// those it names by file are checked on their own lines.
#pragma once

#include <string>
#include <vector>

#include "check/Finding.h"
#include "check/ScriptWalk.h"
#include "scene/ScenePictures.h"

// Why a picture file will not decode; empty when it will.
struct PictureVerdict {
    bool opened = false;
    int openError = 0;       // errno of a failed open
    bool otherKind = false;  // neither a PNG nor a JPEG by its first bytes
    std::string problem;
};

PictureVerdict readPictureHeader(const char* fileName);

// Each named file that will not decode, on its line: missing, not openable, neither a PNG nor a
// JPEG, or not decodable.
std::vector<Finding> checkNamedPictures(const std::vector<NamedFile>& named);
// One finding per picture the script shows by its usual name that will not decode, in the
// order the show loads them, each file once; a missing one names a file of the same name with
// another ending beside it, and the lines that would take that file in its place.
std::vector<Finding> checkPictures(const ShowPictures& pictures);
