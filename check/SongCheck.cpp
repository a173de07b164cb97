// The song through the song reader, as the music stream opens it: a file that libsndfile
// refuses, or that has no channels or rate, is not played. The length is the file's own frame
// count, except for MP3, whose count is not to be trusted: there the frames that decode are counted.
#include "check/SongCheck.h"

#include <cstdint>
#include <filesystem>
#include <system_error>
#include <vector>

#include "check/FindingCodes.h"
#include "check/ScriptFinding.h"
#include "sound/SongReader.h"

namespace {

constexpr std::size_t CHUNK_FRAMES = 4096;

// Frames that decode: the whole song, or only whether any does.
int64_t decodedFrames(SongReader& song, bool wholeSong) {
    std::vector<float> chunk;
    int64_t total = 0;
    while (song.read(chunk, CHUNK_FRAMES)) {
        total += static_cast<int64_t>(chunk.size()) / song.channels();
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
    SongReader song(songFile);
    if (!song.isOpen()) {
        return failure(
            at, code::SONG_UNDECODABLE,
            "the song " + name + " cannot be decoded (" + song.error() + "): the show runs silent");
    }
    const bool countTrusted = song.claimedFrames() > 0;
    const int64_t frames = decodedFrames(song, !countTrusted);
    if (frames == 0)
        return failure(at, code::SONG_UNDECODABLE, "the song " + name + " holds no sound that decodes");
    SongVerdict verdict;
    verdict.seconds = static_cast<double>(countTrusted ? song.claimedFrames() : frames) / song.sampleRate();
    return verdict;
}
