// The song on SDL audio output, decoded by libsndfile on the audio thread and
// converted to the device's format by an SDL_AudioStream. The position is the
// audio handed to the device minus what is still buffered, interpolated between
// callbacks with the performance counter.
#include "demo/MusicStream.h"

#include <SDL.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/RegularFile.h"
#include "clock/VirtualClock.h"
#include "demo/AlsaMessages.h"
#include "demo/ShellServices.h"
#include "demo/SliceEnvelope.h"
#include "sound/SongReader.h"

namespace {

constexpr int OUTPUT_RATE = 44100;
constexpr int OUTPUT_CHANNELS = 2;
constexpr int DEVICE_BUFFER_FRAMES = 1024;
constexpr sf_count_t DECODE_CHUNK_FRAMES = 4096;
constexpr double SLICE_FADE_MS = 10.0;

double secondsSince(uint64_t counter) {
    return static_cast<double>(SDL_GetPerformanceCounter() - counter) /
           static_cast<double>(SDL_GetPerformanceFrequency());
}

}  // namespace

struct MusicStream::Playback {
    // Set up on the main thread before the device runs.
    SDL_AudioDeviceID device = 0;
    int deviceRate = OUTPUT_RATE;
    int deviceFrameBytes = OUTPUT_CHANNELS * static_cast<int>(sizeof(float));
    int deviceBufferFrames = DEVICE_BUFFER_FRAMES;
    SNDFILE* song = nullptr;
    SF_INFO info{};
    SDL_AudioStream* converter = nullptr;
    std::vector<float> decodeBuffer;
    double songSeconds = -1.0;  // known length for the silent clock; negative: unknown

    // Shared with the audio thread; read and written under SDL_LockAudioDevice.
    // Frames count from the latest seek (from the start before any).
    uint64_t framesHanded = 0;
    uint64_t framesBeforeCallback = 0;
    uint64_t callbackCounter = 0;
    bool decodeEnded = false;
    // A slice heard while paused: the output plays it and then silence, never the song on.
    bool slicing = false;
    int64_t sliceFrame = 0;
    int64_t sliceLength = 0;
    int64_t sliceFade = 0;

    // Main thread only.
    bool playing = false;
    uint64_t playCounter = 0;  // the silent clock's zero
    double lastPosition = 0.0;
    double seekSeconds = 0.0;  // where the device's count of heard frames starts
    bool paused = false;
    double pausedPosition = 0.0;

    void fill(uint8_t* out, int length);
    int decodeInto(uint8_t* out, int length);
    void shapeSlice(uint8_t* out, int length);
    void decodeUntil(int bytesWanted);
    double devicePosition();
    double silentPosition() const;
};

void MusicStream::Playback::decodeUntil(int bytesWanted) {
    while (!decodeEnded && SDL_AudioStreamAvailable(converter) < bytesWanted) {
        const sf_count_t frames = sf_readf_float(song, decodeBuffer.data(), DECODE_CHUNK_FRAMES);
        if (frames <= 0) {
            decodeEnded = true;
            SDL_AudioStreamFlush(converter);
            break;
        }
        const int bytes = static_cast<int>(frames * info.channels * static_cast<sf_count_t>(sizeof(float)));
        if (SDL_AudioStreamPut(converter, decodeBuffer.data(), bytes) != 0) {
            decodeEnded = true;
        }
    }
}

int MusicStream::Playback::decodeInto(uint8_t* out, int length) {
    int got = 0;
    if (song != nullptr) {
        decodeUntil(length);
        got = std::max(0, SDL_AudioStreamGet(converter, out, length));
        got -= got % deviceFrameBytes;
    }
    std::memset(out + got, 0, static_cast<size_t>(length - got));  // float silence is all zero bits
    return got;
}

void MusicStream::Playback::fill(uint8_t* out, int length) {
    if (slicing) {
        shapeSlice(out, length);
        return;
    }
    const int got = decodeInto(out, length);
    framesBeforeCallback = framesHanded;
    framesHanded += static_cast<uint64_t>(got / deviceFrameBytes);
    callbackCounter = SDL_GetPerformanceCounter();
}

// The slice's part of this buffer at its gain; silence once it is over. The counts
// of heard frames stay as the pause left them.
void MusicStream::Playback::shapeSlice(uint8_t* out, int length) {
    const int frames = length / deviceFrameBytes;
    if (sliceFrame >= sliceLength) {
        std::memset(out, 0, static_cast<size_t>(length));
        return;
    }
    decodeInto(out, length);
    auto* samples = reinterpret_cast<float*>(out);
    for (int f = 0; f < frames; ++f, ++sliceFrame) {
        const float gain = sliceGain(sliceFrame, sliceLength, sliceFade);
        for (int c = 0; c < OUTPUT_CHANNELS; ++c) samples[f * OUTPUT_CHANNELS + c] *= gain;
    }
}

double MusicStream::Playback::devicePosition() {
    SDL_LockAudioDevice(device);
    const uint64_t before = framesBeforeCallback;
    const uint64_t counter = callbackCounter;
    SDL_UnlockAudioDevice(device);
    if (counter == 0) return 0.0;  // no callback yet: nothing heard
    // At the callback the device still held one buffer ahead of the audio handed before it.
    const double buffered = static_cast<double>(deviceBufferFrames);
    const double heardAtCallback = std::max(0.0, static_cast<double>(before) - buffered);
    const double heard =
        std::min(heardAtCallback + secondsSince(counter) * deviceRate, static_cast<double>(before));
    return heard / deviceRate;
}

double MusicStream::Playback::silentPosition() const {
    const double elapsed = paused ? pausedPosition : secondsSince(playCounter);
    return songSeconds >= 0.0 ? std::min(elapsed, songSeconds) : elapsed;
}

namespace {

void audioCallback(void* userdata, Uint8* stream, int length) {
    static_cast<MusicStream::Playback*>(userdata)->fill(stream, length);
}

SDL_AudioDeviceID openDefaultOutput(MusicStream::Playback& playback) {
    silenceAlsaMessages();  // the failure is told once, in our own message
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    SDL_AudioSpec want{};
    want.freq = OUTPUT_RATE;
    want.format = AUDIO_F32SYS;
    want.channels = OUTPUT_CHANNELS;
    want.samples = DEVICE_BUFFER_FRAMES;
    want.callback = audioCallback;
    want.userdata = &playback;
    SDL_AudioSpec have{};
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    playback.deviceBufferFrames = have.samples;
    return device;
}

// Length by the file's own frame count, except where that is not to be trusted (MP3).
// Only a regular file is a song: anything else would hold the show in open.
SNDFILE* openSong(const char* songFile, SF_INFO& info) {
    const int fd = openRegularFile(songFile);
    return fd < 0 ? nullptr : sf_open_fd(fd, SFM_READ, &info, SF_TRUE);
}

double lengthFromInfo(const SF_INFO& info) {
    const bool trustworthy = (info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_MPEG;
    if (!trustworthy || info.samplerate <= 0 || info.frames <= 0) return -1.0;
    return static_cast<double>(info.frames) / info.samplerate;
}

}  // namespace

void MusicStream::report(const char* text, const char* caption) {
    problem_ = text;
    if (setup_.quiet) return;
    if (setup_.shell != nullptr) {
        setup_.shell->showMessage(text, caption, MessageIcon::None);
    } else {
        std::fprintf(stderr, "%s: %s\n", caption, text);
    }
}

MusicStream::MusicStream(const char* songFile, const MusicSetup& setup)
    : playback_(std::make_unique<Playback>()), setup_(setup) {
    loaded = false;
    Playback& p = *playback_;
    if (setup_.virtualClock == nullptr) {
        p.device = openDefaultOutput(p);
        if (p.device == 0) report("Sounds couldn't be initialized", "Your hardware sucks.");
    }

    p.song = openSong(songFile, p.info);
    if (p.song != nullptr && p.info.channels > 0 && p.info.samplerate > 0) {
        p.converter = SDL_NewAudioStream(AUDIO_F32SYS, static_cast<Uint8>(std::min(p.info.channels, 255)),
                                         p.info.samplerate, AUDIO_F32SYS, OUTPUT_CHANNELS, OUTPUT_RATE);
    }
    if (p.converter == nullptr) {
        if (p.song != nullptr) sf_close(p.song);
        p.song = nullptr;
        report("Couldn't load the song", "Your files suck.");
        // Without a song the show runs on the silent clock: no output is needed.
        if (p.device != 0) {
            SDL_CloseAudioDevice(p.device);
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            p.device = 0;
        }
        return;
    }
    p.decodeBuffer.resize(static_cast<size_t>(DECODE_CHUNK_FRAMES) * static_cast<size_t>(p.info.channels));
    if (setup_.virtualClock == nullptr && p.device == 0) {
        p.songSeconds = lengthFromInfo(p.info);
        if (p.songSeconds < 0.0) p.songSeconds = decodedSongSeconds(songFile);
    }
    stream = 1;
    loaded = true;
}

MusicStream::~MusicStream() {
    close();
}

void MusicStream::play() {
    Playback& p = *playback_;
    if (p.playing) return;
    p.playing = true;
    p.playCounter = SDL_GetPerformanceCounter();
    if (setup_.virtualClock != nullptr) setup_.virtualClock->reset();
    if (p.device != 0) SDL_PauseAudioDevice(p.device, 0);
}

double MusicStream::sourcePosition() {
    Playback& p = *playback_;
    if (setup_.virtualClock != nullptr) return setup_.virtualClock->seconds();
    if (p.paused) return p.pausedPosition;
    if (p.device != 0) return p.seekSeconds + p.devicePosition();
    return p.silentPosition();
}

float MusicStream::position() {
    if (following_ != nullptr) return static_cast<float>(following_->seconds());
    Playback& p = *playback_;
    if (!p.playing) return 0.0f;
    p.lastPosition = std::max(p.lastPosition, sourcePosition());
    return static_cast<float>(p.lastPosition);
}

void MusicStream::seek(double seconds) {
    Playback& p = *playback_;
    seconds = std::max(0.0, seconds);
    p.lastPosition = seconds;
    p.pausedPosition = seconds;
    if (setup_.virtualClock != nullptr) {
        setup_.virtualClock->set(static_cast<uint64_t>(std::llround(seconds * 1000.0)));
        return;
    }
    p.playCounter = SDL_GetPerformanceCounter() -
                    static_cast<uint64_t>(seconds * static_cast<double>(SDL_GetPerformanceFrequency()));
    if (p.device == 0) return;
    SDL_LockAudioDevice(p.device);
    p.seekSeconds = seconds;
    p.slicing = false;
    p.framesHanded = 0;
    p.framesBeforeCallback = 0;
    p.callbackCounter = 0;
    if (p.song != nullptr) {
        const auto frame = static_cast<sf_count_t>(seconds * p.info.samplerate);
        p.decodeEnded = sf_seek(p.song, frame, SEEK_SET) < 0;
        SDL_AudioStreamClear(p.converter);
    }
    SDL_UnlockAudioDevice(p.device);
}

void MusicStream::pause() {
    Playback& p = *playback_;
    if (p.paused || !p.playing) return;
    p.pausedPosition = position();
    p.paused = true;
    if (p.device != 0) SDL_PauseAudioDevice(p.device, 1);
}

void MusicStream::resume() {
    Playback& p = *playback_;
    if (!p.paused) return;
    p.paused = false;
    seek(p.pausedPosition);
    if (p.device != 0) SDL_PauseAudioDevice(p.device, 0);
}

bool MusicStream::paused() const {
    return playback_->paused;
}

void MusicStream::playSlice(double seconds, double ms) {
    Playback& p = *playback_;
    if (p.device == 0 || p.song == nullptr || !p.paused || ms <= 0.0) return;
    SDL_LockAudioDevice(p.device);
    const auto frame = static_cast<sf_count_t>(std::max(0.0, seconds) * p.info.samplerate);
    p.decodeEnded = sf_seek(p.song, frame, SEEK_SET) < 0;
    SDL_AudioStreamClear(p.converter);
    p.sliceFrame = 0;
    p.sliceLength = std::llround(ms * p.deviceRate / 1000.0);
    p.sliceFade = std::llround(SLICE_FADE_MS * p.deviceRate / 1000.0);
    p.slicing = true;
    SDL_UnlockAudioDevice(p.device);
    SDL_PauseAudioDevice(p.device, 0);
}

void MusicStream::followClock(VirtualClock* clock) {
    following_ = clock;
}

void MusicStream::close() {
    Playback& p = *playback_;
    if (p.device != 0) {
        SDL_CloseAudioDevice(p.device);  // waits for the callback to finish
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        p.device = 0;
    }
    if (p.converter != nullptr) SDL_FreeAudioStream(p.converter);
    p.converter = nullptr;
    if (p.song != nullptr) sf_close(p.song);
    p.song = nullptr;
    stream = 0;
}
