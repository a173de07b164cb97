// Kick: a sine falling in pitch with a click; clap: three bursts of band-passed
// noise and a tail; hats and crash: six detuned square waves (the classic metal
// chord) plus noise, high-passed. All decays are exponential.
#include "generator/Drums.h"

#include <cmath>

#include "generator/Dsp.h"
#include "generator/Rng.h"

namespace drums {
namespace {

enum Voice : uint64_t { KICK = 1, CLAP, SNARE, HAT, CRASH, RISER };

Rng noiseFor(Voice voice, std::size_t at) {
    return Rng(voice * 0x9E3779B97F4A7C15ull ^ (at + 1));
}

// Six square waves at inharmonic ratios: the metallic body of hats and cymbals.
class Metal {
public:
    double next() {
        static constexpr double FREQUENCIES[6] = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
        double sum = 0.0;
        for (int i = 0; i < 6; ++i) {
            phases_[i] += FREQUENCIES[i] * 1.7 / dsp::RATE;
            if (phases_[i] >= 1.0) phases_[i] -= 1.0;
            sum += phases_[i] < 0.5 ? 1.0 : -1.0;
        }
        return sum / 6.0;
    }

private:
    double phases_[6] = {0.0, 0.13, 0.29, 0.41, 0.57, 0.73};
};

void cymbal(StereoBuffer& out, std::size_t at, double gain, double decay, double cutoff, Voice voice,
            double position) {
    Rng noise = noiseFor(voice, at);
    Metal metal;
    dsp::Svf filterL, filterR;
    const dsp::Pan p = dsp::pan(position);
    const std::size_t length = dsp::frames(decay * 5.0);
    for (std::size_t i = 0; i < length; ++i) {
        const double env = dsp::strike(dsp::seconds(i), 0.0005, decay) * gain;
        const double body = metal.next() * 0.6;
        const double l = filterL.process(body + noise.signedUnit() * 0.5, cutoff, 0.7).high;
        const double r = filterR.process(body + noise.signedUnit() * 0.5, cutoff, 0.7).high;
        out.add(at + i, l * env * p.left, r * env * p.right);
    }
}

}  // namespace

void kick(StereoBuffer& out, std::size_t at, double gain) {
    Rng noise = noiseFor(KICK, at);
    double phase = 0.0;
    const std::size_t length = dsp::frames(0.9);  // long enough to die away: a cut would click
    for (std::size_t i = 0; i < length; ++i) {
        const double t = dsp::seconds(i);
        const double hz = 47.0 + 125.0 * std::exp(-t / 0.032);
        phase += 2.0 * dsp::PI * hz / dsp::RATE;
        double s = std::sin(phase) * dsp::strike(t, 0.002, 0.17);
        if (t < 0.004) s += noise.signedUnit() * 0.35 * (1.0 - t / 0.004);
        s = std::tanh(1.6 * s) * gain;
        out.add(at + i, s, s);
    }
}

void clap(StereoBuffer& out, std::size_t at, double gain) {
    Rng noise = noiseFor(CLAP, at);
    dsp::Svf filterL, filterR;
    const std::size_t length = dsp::frames(0.6);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = dsp::seconds(i);
        double env = 0.0;
        for (double burst : {0.0, 0.011, 0.022}) {
            if (t >= burst) env += std::exp(-(t - burst) / 0.0045);
        }
        if (t >= 0.028) env += 0.8 * std::exp(-(t - 0.028) / 0.11);
        env *= gain;
        const double l = filterL.process(noise.signedUnit(), 1150.0, 1.3).band;
        const double r = filterR.process(noise.signedUnit(), 1250.0, 1.3).band;
        out.add(at + i, l * env * 2.0, r * env * 2.0);
    }
}

void snare(StereoBuffer& out, std::size_t at, double gain) {
    Rng noise = noiseFor(SNARE, at);
    dsp::Svf filter;
    dsp::Sine tone;
    const std::size_t length = dsp::frames(0.4);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = dsp::seconds(i);
        const double body = tone.next(185.0 + 40.0 * std::exp(-t / 0.01)) * dsp::strike(t, 0.001, 0.05) * 0.6;
        const double hiss =
            filter.process(noise.signedUnit(), 1800.0, 0.7).high * dsp::strike(t, 0.001, 0.12);
        const double s = (body + hiss) * gain;
        out.add(at + i, s, s);
    }
}

void closedHat(StereoBuffer& out, std::size_t at, double gain) {
    cymbal(out, at, gain, 0.028, 7500.0, HAT, 0.2);
}

void openHat(StereoBuffer& out, std::size_t at, double gain) {
    cymbal(out, at, gain, 0.16, 7000.0, HAT, -0.2);
}

void crash(StereoBuffer& out, std::size_t at, double gain) {
    cymbal(out, at, gain, 0.9, 4500.0, CRASH, 0.0);
}

void riser(StereoBuffer& out, std::size_t at, std::size_t length, double gain) {
    Rng noise = noiseFor(RISER, at);
    dsp::Svf filterL, filterR;
    for (std::size_t i = 0; i < length; ++i) {
        const double progress = static_cast<double>(i) / static_cast<double>(length);
        const double cutoff = 300.0 * std::pow(20.0, progress);
        const double env = progress * progress * gain;
        const double l = filterL.process(noise.signedUnit(), cutoff, 2.5).band;
        const double r = filterR.process(noise.signedUnit(), cutoff * 1.05, 2.5).band;
        out.add(at + i, l * env, r * env);
    }
}

}  // namespace drums
