// Decodes the song in chunks (sound/SongReader) and keeps only per-millisecond
// extremes: a few megabytes for any song, however long. Frame counts that a file
// claims are not trusted for its length (MP3 gets them wrong): what decodes counts.
#include "timeline/SongWaveform.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "sound/SongReader.h"

namespace {

constexpr std::size_t CHUNK_FRAMES = 8192;

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
    SongReader song(songFile);
    if (!song.isOpen()) return wave;
    const int channels = song.channels();
    std::vector<float> chunk;
    int64_t decoded = 0;
    while (song.read(chunk, CHUNK_FRAMES)) {
        const auto frames = static_cast<int64_t>(chunk.size()) / channels;
        for (int64_t f = 0; f < frames; ++f) {
            const auto bucket =
                static_cast<std::size_t>((decoded + f) * Waveform::BUCKETS_PER_SECOND / song.sampleRate());
            addFrame(wave, bucket, &chunk[static_cast<std::size_t>(f * channels)], channels);
        }
        decoded += frames;
    }
    wave.seconds = static_cast<double>(decoded) / song.sampleRate();
    return wave;
}
