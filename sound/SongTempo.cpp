// Phases are angles on the circle of one beat period: summing onsets as vectors there
// is what makes "the phase that fits all of them" well defined across the wrap.
#include "sound/SongTempo.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

namespace {

constexpr double TAU = 6.283185307179586;
constexpr int32_t SLOWEST_BPM = 30;
constexpr int32_t FASTEST_BPM = 300;
// Whole tempos tried on either side of the tracker's estimate.
constexpr int32_t TEMPO_SEARCH = 3;
// Onsets this close to a grid line (in periods) refine the phase; the rest are off-beats.
constexpr double ONSET_REACH = 0.125;
// A first beat this little before the song's start is taken as its start.
constexpr double START_SLACK_SECONDS = 0.02;
constexpr std::size_t FEWEST_BEATS = 4;

// Sum of the onsets as vectors on the period's circle, each as long as it is loud:
// beats, the loudest hits, pull the sum their way; off-beats only shorten it.
std::complex<double> phasor(const std::vector<Onset>& onsets, double period) {
    std::complex<double> sum = 0.0;
    for (const Onset& o : onsets) sum += std::polar(o.strength, TAU * o.seconds / period);
    return sum;
}

double totalStrength(const std::vector<Onset>& onsets) {
    double total = 0.0;
    for (const Onset& o : onsets) total += o.strength;
    return total;
}

// Where the grid's lines fall, modulo the period, in seconds.
double phaseOf(const std::vector<Onset>& onsets, double period) {
    const double angle = std::arg(phasor(onsets, period));
    return (angle < 0.0 ? angle + TAU : angle) / TAU * period;
}

double medianInterval(const std::vector<double>& beats) {
    std::vector<double> intervals;
    for (std::size_t i = 1; i < beats.size(); ++i) intervals.push_back(beats[i] - beats[i - 1]);
    std::nth_element(intervals.begin(), intervals.begin() + intervals.size() / 2, intervals.end());
    return intervals[intervals.size() / 2];
}

// The whole tempo near the estimate on whose grid the onsets sit best. Over a whole
// song a tempo 1 bpm off drifts by beats, so the true one stands out sharply.
int32_t bestWholeTempo(const std::vector<Onset>& onsets, double estimate) {
    const auto centre = static_cast<int32_t>(std::lround(estimate));
    int32_t best = std::clamp(centre, SLOWEST_BPM, FASTEST_BPM);
    double bestFit = -1.0;
    for (int32_t bpm = std::max(SLOWEST_BPM, centre - TEMPO_SEARCH);
         bpm <= std::min(FASTEST_BPM, centre + TEMPO_SEARCH); ++bpm) {
        const double fit = std::abs(phasor(onsets, 60.0 / bpm));
        if (fit > bestFit) {
            bestFit = fit;
            best = bpm;
        }
    }
    return best;
}

// Distance of t from the nearest grid line, signed, in seconds.
double offGrid(double t, double phase, double period) {
    return t - phase - std::round((t - phase) / period) * period;
}

// The phase moved by the loudness-weighted mean distance of the onsets near its lines.
double refinedPhase(const std::vector<Onset>& onsets, double phase, double period) {
    double sum = 0.0;
    double weight = 0.0;
    for (const Onset& o : onsets) {
        const double d = offGrid(o.seconds, phase, period);
        if (std::fabs(d) > ONSET_REACH * period) continue;
        sum += d * o.strength;
        weight += o.strength;
    }
    return weight > 0.0 ? phase + sum / weight : phase;
}

// The first grid line from a quarter beat before the music's start: a pickup before
// the first beat does not start the grid, a first hit a little early or late does.
double firstGridLine(double start, double phase, double period) {
    double line = phase + std::ceil((start - 0.25 * period - phase) / period) * period;
    if (line < 0.0) line = line > -START_SLACK_SECONDS ? 0.0 : line + period;
    return line;
}

// The tracker's beats as onsets of equal weight: what is fitted when aubio heard no onsets.
std::vector<Onset> beatsAsOnsets(const std::vector<double>& beats) {
    std::vector<Onset> onsets;
    for (double t : beats) onsets.push_back({t, 1.0});
    return onsets;
}

}  // namespace

std::optional<SongTempo> fitSongTempo(const HeardSong& heard, std::optional<int32_t> bpm) {
    const std::vector<Onset> onsets =
        totalStrength(heard.onsets) > 0.0 ? heard.onsets : beatsAsOnsets(heard.beats);
    double estimate = heard.trackerBpm;
    if (estimate <= 0.0 && heard.beats.size() >= FEWEST_BEATS) estimate = 60.0 / medianInterval(heard.beats);
    if (!bpm && (estimate <= 0.0 || onsets.empty())) return std::nullopt;
    SongTempo grid;
    grid.bpm = bpm ? *bpm : bestWholeTempo(onsets, estimate);
    if (onsets.empty()) return grid;
    const double period = 60.0 / grid.bpm;
    const double phase = refinedPhase(onsets, phaseOf(onsets, period), period);
    grid.firstBeatSeconds = firstGridLine(onsets.front().seconds, phase, period);
    return grid;
}
