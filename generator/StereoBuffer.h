// Two channels of float samples at the song's rate. Writes past the end are
// dropped, so instruments can ring out without checking where the song ends.
#pragma once

#include <cstddef>
#include <vector>

struct StereoBuffer {
    std::vector<float> left;
    std::vector<float> right;

    explicit StereoBuffer(std::size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
    std::size_t frames() const { return left.size(); }

    void add(std::size_t frame, double l, double r) {
        if (frame >= left.size()) return;
        left[frame] += static_cast<float>(l);
        right[frame] += static_cast<float>(r);
    }
};
