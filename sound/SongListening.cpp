// aubio's tempo and onset objects run side by side on the same hops of the mono
// mix. A hop of 256 frames keeps onsets within a few milliseconds at 44.1 kHz.
#include "sound/SongListening.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <memory>

#include "sound/SongReader.h"

namespace {

constexpr uint_t HOP_FRAMES = 256;
constexpr uint_t TEMPO_WINDOW = 1024;
constexpr uint_t ONSET_WINDOW = 512;
// How long after an onset its loudness is looked for: the attack of a drum or a note.
constexpr double ATTACK_SECONDS = 0.04;

struct TempoDeleter {
    void operator()(aubio_tempo_t* tempo) const { del_aubio_tempo(tempo); }
};
struct OnsetDeleter {
    void operator()(aubio_onset_t* onset) const { del_aubio_onset(onset); }
};
struct VectorDeleter {
    void operator()(fvec_t* vector) const { del_fvec(vector); }
};
using Vector = std::unique_ptr<fvec_t, VectorDeleter>;

// The song as aubio takes it: whole hops of mono samples, the last one padded with silence.
class HopFeed {
public:
    explicit HopFeed(SongReader& song) : song_(song) {}

    // Fills `hop`; false once the song has nothing left.
    bool next(fvec_t* hop) {
        for (uint_t i = 0; i < HOP_FRAMES; ++i) {
            if (position_ == frames_.size() && !refill()) {
                if (i == 0) return false;
                for (; i < HOP_FRAMES; ++i) hop->data[i] = 0.0f;
                return true;
            }
            hop->data[i] = mixedFrame();
        }
        return true;
    }

    std::size_t framesRead() const { return framesRead_; }

private:
    bool refill() {
        position_ = 0;
        if (!song_.read(frames_, CHUNK_FRAMES)) return false;
        framesRead_ += frames_.size() / static_cast<std::size_t>(song_.channels());
        return true;
    }

    float mixedFrame() {
        const auto channels = static_cast<std::size_t>(song_.channels());
        float sum = 0.0f;
        for (std::size_t c = 0; c < channels; ++c) sum += frames_[position_ + c];
        position_ += channels;
        return sum / static_cast<float>(channels);
    }

    static constexpr std::size_t CHUNK_FRAMES = 8192;
    SongReader& song_;
    std::vector<float> frames_;
    std::size_t position_ = 0;
    std::size_t framesRead_ = 0;
};

double energyOf(const fvec_t* hop) {
    double sum = 0.0;
    for (uint_t i = 0; i < hop->length; ++i) sum += static_cast<double>(hop->data[i]) * hop->data[i];
    return sum;
}

// Each onset's strength: the most energy in one hop of its attack. Onsets come out
// of aubio a few hops late, so their hops are all known by the end of the song.
void weighOnsets(std::vector<Onset>& onsets, const std::vector<double>& hopEnergy, uint_t rate) {
    const double hopsPerSecond = static_cast<double>(rate) / HOP_FRAMES;
    const auto attackHops = static_cast<std::size_t>(ATTACK_SECONDS * hopsPerSecond) + 1;
    for (Onset& onset : onsets) {
        const auto first = static_cast<std::size_t>(std::max(0.0, onset.seconds * hopsPerSecond));
        for (std::size_t h = first; h < first + attackHops && h < hopEnergy.size(); ++h)
            onset.strength = std::max(onset.strength, hopEnergy[h]);
    }
}

}  // namespace

std::optional<HeardSong> listenToSong(const std::string& path, std::string& error) {
    SongReader song(path);
    if (!song.isOpen()) {
        error = song.error();
        return std::nullopt;
    }
    const auto rate = static_cast<uint_t>(song.sampleRate());
    const std::unique_ptr<aubio_tempo_t, TempoDeleter> tempo(
        new_aubio_tempo("default", TEMPO_WINDOW, HOP_FRAMES, rate));
    const std::unique_ptr<aubio_onset_t, OnsetDeleter> onset(
        new_aubio_onset("default", ONSET_WINDOW, HOP_FRAMES, rate));
    if (!tempo || !onset) {
        error = "aubio cannot analyse a song at " + std::to_string(rate) + " Hz";
        return std::nullopt;
    }
    const Vector hop(new_fvec(HOP_FRAMES));
    const Vector beat(new_fvec(1));
    const Vector started(new_fvec(1));
    HeardSong heard;
    std::vector<double> hopEnergy;
    HopFeed feed(song);
    while (feed.next(hop.get())) {
        hopEnergy.push_back(energyOf(hop.get()));
        aubio_tempo_do(tempo.get(), hop.get(), beat.get());
        if (beat->data[0] != 0.0f) heard.beats.push_back(aubio_tempo_get_last_s(tempo.get()));
        aubio_onset_do(onset.get(), hop.get(), started.get());
        if (started->data[0] != 0.0f) heard.onsets.push_back({aubio_onset_get_last_s(onset.get()), 0.0});
    }
    weighOnsets(heard.onsets, hopEnergy, rate);
    heard.trackerBpm = aubio_tempo_get_bpm(tempo.get());
    heard.seconds = static_cast<double>(feed.framesRead()) / rate;
    return heard;
}
