// Kicks are a falling sine with a click on top; hats are short bursts of noise from
// a fixed generator, so every run writes the same samples.
#include "tests/support/BeatSong.h"

#include <sndfile.h>

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace {

constexpr int RATE = 44100;
constexpr double PI = 3.14159265358979323846;

double noise(uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / static_cast<double>(1u << 23) - 1.0;
}

void addKick(std::vector<float>& mono, std::size_t at, uint32_t& state) {
    double phase = 0.0;
    for (std::size_t i = 0; i < RATE / 4 && at + i < mono.size(); ++i) {
        const double t = static_cast<double>(i) / RATE;
        phase += 2.0 * PI * (50.0 + 70.0 * std::exp(-t * 30.0)) / RATE;
        const double click = i < RATE / 200 ? 0.25 * noise(state) : 0.0;
        mono[at + i] += static_cast<float>(0.6 * std::sin(phase) * std::exp(-t * 12.0) + click);
    }
}

void addHat(std::vector<float>& mono, std::size_t at, uint32_t& state) {
    for (std::size_t i = 0; i < RATE / 20 && at + i < mono.size(); ++i) {
        const double t = static_cast<double>(i) / RATE;
        mono[at + i] += static_cast<float>(0.15 * noise(state) * std::exp(-t * 80.0));
    }
}

int formatFor(const std::string& path) {
    const std::string ext = path.substr(path.rfind('.') + 1);
    if (ext == "ogg") return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    if (ext == "flac") return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
}

}  // namespace

void writeBeatSong(const std::string& path, const BeatSongSpec& spec) {
    std::vector<float> mono(static_cast<std::size_t>(spec.seconds * RATE));
    uint32_t state = 12345;
    const double period = 60.0 / spec.bpm;
    for (double t = spec.leadInSeconds; t < spec.seconds; t += period) {
        addKick(mono, static_cast<std::size_t>(std::lround(t * RATE)), state);
        if (spec.offbeatHats)
            addHat(mono, static_cast<std::size_t>(std::lround((t + period / 2) * RATE)), state);
    }
    std::vector<float> stereo;
    stereo.reserve(mono.size() * 2);
    for (float s : mono) stereo.insert(stereo.end(), {s, s});
    SF_INFO info{};
    info.samplerate = RATE;
    info.channels = 2;
    info.format = formatFor(path);
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr)
        throw std::runtime_error(std::string("cannot write ") + path + ": " + sf_strerror(nullptr));
    const sf_count_t written = sf_writef_float(file, stereo.data(), static_cast<sf_count_t>(mono.size()));
    sf_close(file);
    if (written != static_cast<sf_count_t>(mono.size()))
        throw std::runtime_error("cannot write all of " + path);
}
