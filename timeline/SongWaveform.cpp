// Decodes the song with libsndfile in chunks and keeps only per-millisecond
// extremes: a few megabytes for any song, however long. Frame counts that a file
// claims are not trusted for its length (MP3 gets them wrong): what decodes counts.
#include "timeline/SongWaveform.h"

#include <sndfile.h>

#include <algorithm>
#include <memory>

namespace {

constexpr sf_count_t CHUNK_FRAMES = 8192;

struct SoundFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

void addFrame(Waveform& wave, std::size_t bucket, const float* samples, int channels) {
    if (bucket >= wave.low.size()) {
        wave.low.resize(bucket + 1, 0.0f);
        wave.high.resize(bucket + 1, 0.0f);
    }
    const auto [lowest, highest] = std::minmax_element(samples, samples + channels);
    wave.low[bucket] = std::min(wave.low[bucket], *lowest);
    wave.high[bucket] = std::max(wave.high[bucket], *highest);
}

}  // namespace

void Waveform::range(double from, double to, float& lowest, float& highest) const {
    lowest = 0.0f;
    highest = 0.0f;
    const double first = std::max(0.0, from * BUCKETS_PER_SECOND);
    const double last = std::min(static_cast<double>(low.size()), to * BUCKETS_PER_SECOND);
    for (auto i = static_cast<std::size_t>(first); static_cast<double>(i) < last; ++i) {
        lowest = std::min(lowest, low[i]);
        highest = std::max(highest, high[i]);
    }
}

Waveform decodeWaveform(const std::string& songFile) {
    Waveform wave;
    SF_INFO info{};
    std::unique_ptr<SNDFILE, SoundFileCloser> file(sf_open(songFile.c_str(), SFM_READ, &info));
    if (!file || info.channels <= 0 || info.samplerate <= 0) return wave;
    const auto channels = static_cast<std::size_t>(info.channels);
    std::vector<float> chunk(static_cast<std::size_t>(CHUNK_FRAMES) * channels);
    int64_t decoded = 0;
    sf_count_t frames = 0;
    while ((frames = sf_readf_float(file.get(), chunk.data(), CHUNK_FRAMES)) > 0) {
        for (sf_count_t f = 0; f < frames; ++f) {
            const auto bucket =
                static_cast<std::size_t>((decoded + f) * Waveform::BUCKETS_PER_SECOND / info.samplerate);
            addFrame(wave, bucket, &chunk[static_cast<std::size_t>(f) * channels], info.channels);
        }
        decoded += frames;
    }
    wave.seconds = static_cast<double>(decoded) / info.samplerate;
    return wave;
}
