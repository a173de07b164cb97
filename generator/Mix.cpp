// The ducking envelope is computed once from the kick frames; everything else is
// a single pass over the buffers.
#include "generator/Mix.h"

#include <algorithm>
#include <cmath>

#include "generator/Dsp.h"

namespace {

// Gain of the ducked buses: dips by `depth` at each kick and recovers in ~0.15 s.
std::vector<float> duckingEnvelope(const std::vector<std::size_t>& kicks, std::size_t frames, double depth) {
    std::vector<float> envelope(frames, 1.0f);
    const std::size_t reach = dsp::frames(0.6), attack = dsp::frames(0.004);
    for (std::size_t kick : kicks) {
        for (std::size_t i = 0; i < reach && kick + i < frames; ++i) {
            const double t = dsp::seconds(i);
            const double dip = depth * (i < attack ? static_cast<double>(i) / attack : std::exp(-t / 0.15));
            envelope[kick + i] = std::min(envelope[kick + i], static_cast<float>(1.0 - dip));
        }
    }
    return envelope;
}

// 1 until the last hit, then down to silence at the end of the tail.
double endingFade(std::size_t frame, std::size_t from, std::size_t frames) {
    if (frame < from) return 1.0;
    const double x = static_cast<double>(frame - from) / static_cast<double>(frames - from);
    return std::pow(std::max(0.0, 1.0 - x), 1.5);
}

}  // namespace

void addPingPongEcho(StereoBuffer& buffer, std::size_t delayFrames, double feedback, double wet) {
    std::vector<float> lineL(delayFrames, 0.0f), lineR(delayFrames, 0.0f);
    std::size_t index = 0;
    for (std::size_t i = 0; i < buffer.frames(); ++i) {
        const float l = buffer.left[i], r = buffer.right[i];
        const float echoL = lineL[index], echoR = lineR[index];
        lineL[index] = static_cast<float>((l + r) * 0.5 + echoR * feedback);
        lineR[index] = static_cast<float>(echoL * feedback);
        buffer.left[i] = static_cast<float>(l + echoL * wet);
        buffer.right[i] = static_cast<float>(r + echoR * wet);
        index = index + 1 == delayFrames ? 0 : index + 1;
    }
}

double peak(const StereoBuffer& buffer) {
    float highest = 0.0f;
    for (float v : buffer.left) highest = std::max(highest, std::fabs(v));
    for (float v : buffer.right) highest = std::max(highest, std::fabs(v));
    return highest;
}

void master(StereoBuffer& buffer, double ceiling) {
    double top = peak(buffer);
    if (top <= 0.0) return;
    // Drive so the loudest peak sits at 1.3: tanh bends it to 0.86 while quiet
    // passages stay nearly linear.
    const double drive = 1.3 / top;
    for (auto* channel : {&buffer.left, &buffer.right}) {
        for (float& v : *channel) v = static_cast<float>(std::tanh(v * drive));
    }
    top = peak(buffer);
    const double gain = ceiling / top;
    for (auto* channel : {&buffer.left, &buffer.right}) {
        for (float& v : *channel) v = static_cast<float>(v * gain);
    }
}

StereoBuffer mixSong(SongBuses& buses, std::size_t fadeFrom) {
    const std::size_t frames = buses.drums.frames();
    addPingPongEcho(buses.lead, 3 * song::FRAMES_PER_STEP, 0.4, 0.45);
    const std::vector<float> duck = duckingEnvelope(buses.kicks, frames, 0.55);
    StereoBuffer out(frames);
    for (std::size_t i = 0; i < out.frames(); ++i) {
        const double fade = endingFade(i, fadeFrom, frames);
        const double l = buses.drums.left[i] + buses.effects.left[i] + buses.lead.left[i] +
                         (buses.bass.left[i] + buses.pad.left[i]) * duck[i];
        const double r = buses.drums.right[i] + buses.effects.right[i] + buses.lead.right[i] +
                         (buses.bass.right[i] + buses.pad.right[i]) * duck[i];
        out.left[i] = static_cast<float>(l * fade);
        out.right[i] = static_cast<float>(r * fade);
    }
    return out;
}
