// Building blocks of the synthesiser: band-limited oscillators (polyBLEP), a
// state-variable filter, pitch conversion and constant-power panning. Pure
// arithmetic on doubles; each object keeps its own phase or filter state.
#pragma once

#include <cmath>

#include "generator/SongStructure.h"

namespace dsp {

constexpr double PI = 3.14159265358979323846;
constexpr double RATE = song::SAMPLE_RATE;

inline double midiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}
inline double seconds(std::size_t frames) {
    return static_cast<double>(frames) / RATE;
}
inline std::size_t frames(double seconds) {
    return static_cast<std::size_t>(seconds * RATE);
}

// Gains of a mono source placed at pan -1 (left) .. 1 (right), equal power.
struct Pan {
    double left = 0.0;
    double right = 0.0;
};
inline Pan pan(double position) {
    const double angle = (position + 1.0) * PI / 4.0;
    return {std::cos(angle), std::sin(angle)};
}

// Removes the step of a discontinuity at phase 0 from a naive waveform.
inline double polyBlep(double phase, double step) {
    if (phase < step) {
        const double t = phase / step;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - step) {
        const double t = (phase - 1.0) / step;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

class Saw {
public:
    explicit Saw(double startPhase = 0.0) : phase_(startPhase) {}
    double next(double hz) {
        const double step = hz / RATE;
        const double value = 2.0 * phase_ - 1.0 - polyBlep(phase_, step);
        advance(step);
        return value;
    }

private:
    void advance(double step) {
        phase_ += step;
        if (phase_ >= 1.0) phase_ -= 1.0;
    }
    double phase_ = 0.0;
};

class Pulse {
public:
    double next(double hz, double width) {
        const double step = hz / RATE;
        double shifted = phase_ + (1.0 - width);
        if (shifted >= 1.0) shifted -= 1.0;
        double value = phase_ < width ? 1.0 : -1.0;
        value += polyBlep(phase_, step) - polyBlep(shifted, step);
        phase_ += step;
        if (phase_ >= 1.0) phase_ -= 1.0;
        return value;
    }

private:
    double phase_ = 0.0;
};

class Sine {
public:
    double next(double hz) {
        const double value = std::sin(2.0 * PI * phase_);
        phase_ += hz / RATE;
        if (phase_ >= 1.0) phase_ -= 1.0;
        return value;
    }

private:
    double phase_ = 0.0;
};

// Trapezoidal state-variable filter: low, band and high pass from one state.
class Svf {
public:
    struct Out {
        double low = 0.0;
        double band = 0.0;
        double high = 0.0;
    };

    Out process(double input, double cutoffHz, double q) {
        // Most voices hold their cutoff for many samples: keep the coefficients.
        if (cutoffHz != cutoff_ || q != q_) tune(cutoffHz, q);
        const double v3 = input - s2_;
        const double v1 = a1_ * s1_ + a2_ * v3;
        const double v2 = s2_ + a2_ * s1_ + a3_ * v3;
        s1_ = 2.0 * v1 - s1_;
        s2_ = 2.0 * v2 - s2_;
        return {v2, v1, input - k_ * v1 - v2};
    }

private:
    void tune(double cutoffHz, double q) {
        cutoff_ = cutoffHz;
        q_ = q;
        const double g = std::tan(PI * std::fmin(cutoffHz, RATE * 0.45) / RATE);
        k_ = 1.0 / q;
        a1_ = 1.0 / (1.0 + g * (g + k_));
        a2_ = g * a1_;
        a3_ = g * a2_;
    }

    double s1_ = 0.0;
    double s2_ = 0.0;
    double cutoff_ = -1.0;
    double q_ = -1.0;
    double k_ = 0.0;
    double a1_ = 0.0;
    double a2_ = 0.0;
    double a3_ = 0.0;
};

// Rises linearly over `attack` seconds, then falls as exp(-t / decay).
inline double strike(double t, double attack, double decay) {
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

// 0 -> 1 over `attack`, held until `length`, then down to 0 over `release`.
inline double gate(double t, double length, double attack, double release) {
    if (t < attack) return t / attack;
    if (t < length) return 1.0;
    return t < length + release ? 1.0 - (t - length) / release : 0.0;
}

}  // namespace dsp
