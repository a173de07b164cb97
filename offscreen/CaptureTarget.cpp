// Temporary capture files beside the target, committed by rename so that a
// failed or interrupted capture never leaves a half-written file under the name.
#include "offscreen/CaptureTarget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string folderOf(const std::string& file) {
    const size_t slash = file.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : file.substr(0, slash);
}

std::string nameOf(const std::string& file) {
    const size_t slash = file.rfind('/');
    return slash == std::string::npos ? file : file.substr(slash + 1);
}

// An existing directory, or a file we may not write, under the target's name.
bool targetTaken(const std::string& file, std::string& error) {
    struct stat info {};
    if (stat(file.c_str(), &info) != 0) return false;
    if (S_ISDIR(info.st_mode)) {
        error = std::strerror(EISDIR);
        return true;
    }
    if (access(file.c_str(), W_OK) != 0) {
        error = std::strerror(errno);
        return true;
    }
    return false;
}

// A frame moved in, and what its name held before (put aside until the move is done).
struct MovedFrame {
    fs::path from;
    fs::path to;
    fs::path before;  // empty: the name was free
    bool in = false;  // the frame is under its name now
};

// Takes every frame back out and puts back what each name held before.
void undoMoves(const std::vector<MovedFrame>& moved) {
    std::error_code code;
    for (auto frame = moved.rbegin(); frame != moved.rend(); ++frame) {
        if (frame->in) fs::rename(frame->to, frame->from, code);
        if (!frame->before.empty()) fs::rename(frame->before, frame->to, code);
    }
}

// Anything but a plain file under a frame's name (a folder, a link) is not ours to replace.
std::string blockedName(const std::vector<fs::path>& frames, const std::string& to) {
    for (const fs::path& frame : frames) {
        const fs::path destination = fs::path(to) / frame.filename();
        struct stat info {};
        if (lstat(destination.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return destination.string();
    }
    return "";
}

// Moves every frame out of the folder. An existing frame of the same name is put
// aside in the folder first; on a failure every frame goes back and every name
// gets back what it held, so a failed capture loses nothing that was there.
bool moveFrames(const std::string& from, const std::string& to, std::string& error) {
    std::vector<fs::path> frames;
    std::error_code code;
    for (const fs::directory_entry& entry : fs::directory_iterator(from, code)) frames.push_back(entry.path());
    const std::string blocked = blockedName(frames, to);
    if (!blocked.empty()) {
        error = blocked + " is not a file that a frame may replace";
        return false;
    }
    const fs::path aside = fs::path(from) / ".before";
    fs::create_directory(aside, code);
    std::vector<MovedFrame> moved;
    for (const fs::path& frame : frames) {
        if (code) break;
        MovedFrame move{frame, fs::path(to) / frame.filename(), {}};
        if (fs::exists(move.to)) {
            move.before = aside / frame.filename();
            fs::rename(move.to, move.before, code);
            if (code) break;
        }
        moved.push_back(move);
        fs::rename(move.from, move.to, code);
        moved.back().in = !code;
    }
    if (!code) return true;
    error = code.message();
    undoMoves(moved);
    return false;
}

}  // namespace

CaptureTarget::~CaptureTarget() {
    discard();
}

bool CaptureTarget::prepare(const std::string& target, CaptureKind captureKind, std::string& error) {
    file = target;
    kind = captureKind;
    if (targetTaken(file, error)) return false;
    removeLeftBehind(file);
    const bool frames = kind == CaptureKind::PngFrames;
    if (!hidden_.create(file, frames ? "frames" : "partial",
                        frames ? HiddenBeside::Kind::Folder : HiddenBeside::Kind::File, error))
        return false;
    temporary = hidden_.path();
    return true;
}

std::string CaptureTarget::writePath() const {
    return kind == CaptureKind::PngFrames ? temporary + "/" + nameOf(file) : temporary;
}

bool CaptureTarget::commit(std::string& error) {
    if (temporary.empty()) {
        error = "nothing was written";
        return false;
    }
    bool ok = true;
    if (kind == CaptureKind::PngFrames) {
        ok = moveFrames(temporary, folderOf(file), error);
    } else if (std::rename(temporary.c_str(), file.c_str()) == 0) {
        hidden_.handOver();
    } else {
        error = std::strerror(errno);
        ok = false;
    }
    discard();
    return ok;
}

void CaptureTarget::discard() {
    hidden_.remove();
    temporary.clear();
}
