// Voices are rendered one note at a time with their own oscillators and filters;
// notes overlap freely in the buffer. Detuned copies are panned apart for width.
#include "generator/Synths.h"

#include <cmath>

#include "generator/Dsp.h"

namespace synths {

void bass(StereoBuffer& out, std::size_t at, std::size_t length, int note, double brightness, double gain) {
    dsp::Saw saw;
    dsp::Sine sub;
    dsp::Svf filter;
    const double hz = dsp::midiToHz(note);
    const double seconds = dsp::seconds(length);
    const std::size_t total = length + dsp::frames(0.02);
    for (std::size_t i = 0; i < total; ++i) {
        const double t = dsp::seconds(i);
        const double cutoff = 150.0 + brightness * 1900.0 * std::exp(-t / 0.07) + brightness * 250.0;
        const double tone = filter.process(saw.next(hz), cutoff, 1.6).low;
        const double s = (tone + 0.7 * sub.next(hz / 2.0)) * dsp::gate(t, seconds, 0.003, 0.02) * gain;
        out.add(at + i, s, s);
    }
}

void pad(StereoBuffer& out, std::size_t at, std::size_t length, const std::vector<int>& notes,
         double brightness, double gain) {
    constexpr double DETUNE_CENTS[3] = {-11.0, 0.0, 11.0};
    const dsp::Pan pans[3] = {dsp::pan(-0.8), dsp::pan(0.0), dsp::pan(0.8)};
    const double seconds = dsp::seconds(length);
    const std::size_t total = length + dsp::frames(0.6);
    std::vector<dsp::Saw> voices;
    for (std::size_t v = 0; v < notes.size() * 3; ++v)
        voices.emplace_back(0.37 * static_cast<double>(v % 7) / 7.0);
    std::vector<double> hz;
    for (int n : notes) {
        for (double cents : DETUNE_CENTS) hz.push_back(dsp::midiToHz(n + cents / 100.0));
    }
    dsp::Svf filterL, filterR;
    const double cutoff = 350.0 + brightness * brightness * 3200.0;
    const double level = gain / static_cast<double>(notes.size());
    for (std::size_t i = 0; i < total; ++i) {
        double l = 0.0, r = 0.0;
        for (std::size_t n = 0; n < notes.size(); ++n) {
            for (int d = 0; d < 3; ++d) {
                const double s = voices[n * 3 + d].next(hz[n * 3 + d]);
                l += s * pans[d].left;
                r += s * pans[d].right;
            }
        }
        const double env = dsp::gate(dsp::seconds(i), seconds, 0.35, 0.6) * level;
        out.add(at + i, filterL.process(l, cutoff, 0.8).low * env, filterR.process(r, cutoff, 0.8).low * env);
    }
}

void lead(StereoBuffer& out, std::size_t at, std::size_t length, int note, double brightness, double gain) {
    dsp::Pulse left, right;
    dsp::Svf filterL, filterR;
    const double seconds = dsp::seconds(length);
    const std::size_t total = length + dsp::frames(0.08);
    const double hzL = dsp::midiToHz(note - 0.07), hzR = dsp::midiToHz(note + 0.07);
    for (std::size_t i = 0; i < total; ++i) {
        const double t = dsp::seconds(i);
        const double cutoff = 700.0 + brightness * 4500.0 * std::exp(-t / 0.18);
        const double env = dsp::gate(t, seconds, 0.002, 0.08) * (0.6 + 0.4 * std::exp(-t / 0.12)) * gain;
        const double l = filterL.process(left.next(hzL, 0.3), cutoff, 1.1).low;
        const double r = filterR.process(right.next(hzR, 0.3), cutoff, 1.1).low;
        out.add(at + i, l * env, r * env);
    }
}

}  // namespace synths
