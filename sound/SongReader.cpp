// libsndfile opens, decodes and closes; a file with no channels or no rate is
// refused as if it could not be opened. Every reader of a song in the player goes
// through here but the sound output, which feeds the device from its own callback.
#include "sound/SongReader.h"

#include <sndfile.h>

#include <cerrno>

#include "base/RegularFile.h"

SongReader::SongReader(const std::string& path) {
    SF_INFO info{};
    const int fd = openRegularFile(path.c_str());
    if (fd < 0) {
        error_ = openProblem(errno);
        return;
    }
    file_ = sf_open_fd(fd, SFM_READ, &info, SF_TRUE);
    if (file_ == nullptr) {
        error_ = sf_strerror(nullptr);
        return;
    }
    if (info.channels <= 0 || info.samplerate <= 0) {
        sf_close(file_);
        file_ = nullptr;
        error_ = "no channels or no sample rate";
        return;
    }
    sampleRate_ = info.samplerate;
    channels_ = info.channels;
    if ((info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_MPEG && info.frames > 0) claimedFrames_ = info.frames;
}

SongReader::~SongReader() {
    if (file_ != nullptr) sf_close(file_);
}

bool SongReader::read(std::vector<float>& frames, std::size_t maxFrames) {
    if (file_ == nullptr) {
        frames.clear();
        return false;
    }
    const auto channels = static_cast<std::size_t>(channels_);
    frames.resize(maxFrames * channels);
    const sf_count_t got = sf_readf_float(file_, frames.data(), static_cast<sf_count_t>(maxFrames));
    frames.resize(got > 0 ? static_cast<std::size_t>(got) * channels : 0);
    return got > 0;
}

double decodedSeconds(SongReader& song) {
    constexpr std::size_t CHUNK_FRAMES = 8192;
    if (!song.isOpen()) return 0.0;
    std::vector<float> chunk;
    int64_t frames = 0;
    while (song.read(chunk, CHUNK_FRAMES)) frames += static_cast<int64_t>(chunk.size()) / song.channels();
    return static_cast<double>(frames) / song.sampleRate();
}

double decodedSongSeconds(const std::string& path) {
    SongReader song(path);
    return song.isOpen() ? decodedSeconds(song) : -1.0;
}
