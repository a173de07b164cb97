// The song through libsndfile, as the music stream opens it: a file that sf_open refuses, or that
// has no channels or rate, is not played. The length is the file's own frame count, except for
// MP3, whose count is not to be trusted: there the frames that decode are counted.
#include "check/SongCheck.h"

#include <sndfile.h>

#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "base/RegularFile.h"
#include "check/FindingCodes.h"
#include "check/ScriptFinding.h"

namespace {

constexpr sf_count_t CHUNK_FRAMES = 4096;

struct SoundFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, SoundFileCloser>;

sf_count_t decodedFrames(SNDFILE* file, const SF_INFO& info, bool wholeSong) {
    std::vector<float> chunk(static_cast<size_t>(CHUNK_FRAMES) * static_cast<size_t>(info.channels));
    sf_count_t total = 0;
    sf_count_t frames = 0;
    while ((frames = sf_readf_float(file, chunk.data(), CHUNK_FRAMES)) > 0) {
        total += frames;
        if (!wholeSong) break;
    }
    return total;
}

SongVerdict failure(const WordSpan& at, const char* code, std::string message) {
    SongVerdict verdict;
    verdict.findings.push_back(scriptFinding(at, Severity::Error, code, std::move(message)));
    return verdict;
}

}  // namespace

SongVerdict checkSong(const std::string& songFile, const WordSpan& at) {
    if (songFile.empty())
        return failure(at, code::SONG_MISSING,
                       "the script names no song (init songfile): the show runs silent");
    const std::string name = quoted(songFile);
    std::error_code error;
    if (!std::filesystem::exists(songFile, error))
        return failure(at, code::SONG_MISSING, "the song " + name + " does not exist: the show runs silent");
    const int fd = openRegularFile(songFile.c_str());
    if (fd < 0) {
        return failure(at, code::SONG_UNDECODABLE,
                       "the song " + name + " cannot be read (" + openProblem(errno) + "): the show runs silent");
    }
    SF_INFO info{};
    const SoundFile file(sf_open_fd(fd, SFM_READ, &info, SF_TRUE));
    if (file == nullptr) {
        return failure(
            at, code::SONG_UNDECODABLE,
            "the song " + name + " cannot be decoded (" + sf_strerror(nullptr) + "): the show runs silent");
    }
    if (info.channels <= 0 || info.samplerate <= 0)
        return failure(at, code::SONG_UNDECODABLE, "the song " + name + " has no channels or no sample rate");
    const bool countTrusted = (info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_MPEG && info.frames > 0;
    const sf_count_t frames = decodedFrames(file.get(), info, !countTrusted);
    if (frames == 0)
        return failure(at, code::SONG_UNDECODABLE, "the song " + name + " holds no sound that decodes");
    SongVerdict verdict;
    verdict.seconds = static_cast<double>(countTrusted ? info.frames : frames) / info.samplerate;
    return verdict;
}
