// Frames go to libsndfile interleaved, in blocks, as floats.
#include "generator/VorbisWriter.h"

#include <sndfile.h>

#include <algorithm>
#include <iostream>
#include <vector>

#include "generator/SongStructure.h"

namespace {

constexpr std::size_t BLOCK_FRAMES = 4096;

bool writeFrames(SNDFILE* file, const StereoBuffer& buffer) {
    std::vector<float> block(BLOCK_FRAMES * 2);
    for (std::size_t first = 0; first < buffer.frames(); first += BLOCK_FRAMES) {
        const std::size_t count = std::min(BLOCK_FRAMES, buffer.frames() - first);
        for (std::size_t i = 0; i < count; ++i) {
            block[2 * i] = buffer.left[first + i];
            block[2 * i + 1] = buffer.right[first + i];
        }
        if (sf_writef_float(file, block.data(), static_cast<sf_count_t>(count)) !=
            static_cast<sf_count_t>(count)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool writeOggVorbis(const std::string& path, const StereoBuffer& buffer, double quality) {
    SF_INFO info{};
    info.samplerate = song::SAMPLE_RATE;
    info.channels = song::CHANNELS;
    info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        std::cerr << "cannot write " << path << ": " << sf_strerror(nullptr) << "\n";
        return false;
    }
    // libsndfile speaks of compression: 0 is the best quality.
    double compression = 1.0 - quality;
    sf_command(file, SFC_SET_COMPRESSION_LEVEL, &compression, sizeof(compression));
    const bool written = writeFrames(file, buffer);
    if (!written) std::cerr << "encoding " << path << " failed: " << sf_strerror(file) << "\n";
    return sf_close(file) == 0 && written;
}
