// The song's waveform for drawing: the lowest and highest sample of all channels in
// each millisecond, and the length as counted by decoding the whole file.
#pragma once

#include <string>
#include <vector>

struct Waveform {
    static constexpr int BUCKETS_PER_SECOND = 1000;
    double seconds = -1.0;  // negative when the song could not be read
    std::vector<float> low;
    std::vector<float> high;

    // The lowest and highest sample between two song times; {0, 0} where there is no sound.
    void range(double from, double to, float& lowest, float& highest) const;
};

Waveform decodeWaveform(const std::string& songFile);
