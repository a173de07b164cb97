// The tiny show for the capture tests.
#include "tests/support/TinyShow.h"

#include <sndfile.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

void writeSong(const std::string& path, double seconds) {
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) return;
    const auto frames = static_cast<size_t>(std::lround(seconds * info.samplerate));
    std::vector<float> samples(frames * 2);
    for (size_t i = 0; i < frames; ++i) {
        samples[2 * i] = samples[2 * i + 1] =
            0.3f * static_cast<float>(std::sin(i * 2.0 * M_PI * 440.0 / 44100.0));
    }
    sf_writef_float(file, samples.data(), static_cast<sf_count_t>(frames));
    sf_close(file);
}

}  // namespace

void writeTinyShow(const std::string& folder, double seconds) {
    std::filesystem::create_directories(folder + "/data");
    writeSong(folder + "/data/song.wav", seconds);
    std::ofstream(folder + "/data/script.txt") << "init bpm 125\n"
                                                  "init patternLength 16\n"
                                                  "init patternSpeed 4\n"
                                                  "init songfile data/song.wav\n"
                                                  "0:0 sync on\n"
                                                  "0:0 syncPattern %x.x.x.x.x.x.x.x.\n"
                                                  "0:0 palikat on\n"
                                                  "0:0 lorenz on\n"
                                                  "0:0 kumma on\n";
}
