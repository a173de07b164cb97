// A song file read with libsndfile as float frames, a chunk at a time, in any format
// libsndfile decodes: the formats the player plays. The whole song never has to be
// in memory at once, and what decodes counts, not what the file's header claims.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct sf_private_tag;

class SongReader {
public:
    explicit SongReader(const std::string& path);
    ~SongReader();
    SongReader(const SongReader&) = delete;
    SongReader& operator=(const SongReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // Why the song could not be opened (libsndfile's words); empty when it is open.
    const std::string& error() const { return error_; }
    int sampleRate() const { return sampleRate_; }
    int channels() const { return channels_; }
    // The frame count the file's header gives, or -1 where it is not to be trusted
    // (MP3's is often wrong; a count of 0 says nothing): then count what decodes.
    int64_t claimedFrames() const { return claimedFrames_; }

    // The next frames, interleaved, at most `maxFrames` of them: `frames` is resized to
    // what was read. False at the end of the song (or on a read error).
    bool read(std::vector<float>& frames, std::size_t maxFrames);

private:
    sf_private_tag* file_ = nullptr;
    std::string error_;
    int sampleRate_ = 0;
    int channels_ = 0;
    int64_t claimedFrames_ = -1;
};

// Seconds of sound that decode from the rest of `song`, every frame read.
double decodedSeconds(SongReader& song);
// The same for the song at `path`; -1 when it cannot be opened.
double decodedSongSeconds(const std::string& path);
