// The song: decoded with libsndfile and played once through the default audio
// output. Its position is what is being heard, and the only clock of events.
// Without a sound device, or without a song, the position follows a silent
// wall clock from play; deterministic runs read their virtual clock instead.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class ShellServices;
class VirtualClock;

// Where the song goes and who hears its complaints.
struct MusicSetup {
    // Null: the default sound output (a silent clock if it cannot be opened).
    // Otherwise no device at all: the position is this clock, restarted by play().
    VirtualClock* virtualClock = nullptr;
    ShellServices* shell = nullptr;  // its message boxes; null: standard error
    // No box and no line at all: the complaint is only kept in problem(), for a host
    // that tells it its own way (the edit mode, once the show is running).
    bool quiet = false;
};

class MusicStream {
public:
    // Opens the output, then the song; reports either failure in a message and goes on.
    MusicStream(const char* songFile, const MusicSetup& setup);
    ~MusicStream();
    MusicStream(const MusicStream&) = delete;
    MusicStream& operator=(const MusicStream&) = delete;

    // Starts the song from its beginning, once, no loop.
    void play();
    // Seconds of song heard so far; never goes backwards between seeks; stays at the
    // length after the end.
    float position();
    // Goes on from `seconds` into the song: decoding starts there, what the output
    // still holds is let go, and the position starts over from there.
    void seek(double seconds);
    // Stops and restarts the song where it stood; the position holds meanwhile.
    void pause();
    void resume();
    bool paused() const;
    // While paused on the sound output: plays `ms` of the song from `seconds`, faded in
    // and out, and leaves the position where the pause holds it. Scrubbing hears the
    // play head this way. Does nothing while playing or without a sound device.
    void playSlice(double seconds, double ms);
    // While set, the position is this clock's and nothing else changes: a replay
    // reads the song's time from it. Null goes back to the song itself.
    void followClock(VirtualClock* clock);
    // Stops the output and releases the song. Safe to call twice.
    void close();

    // Why the song is not heard (no sound output, a song that cannot be loaded); empty when it is.
    const std::string& problem() const { return problem_; }

    uint32_t stream = 0;  // non-zero while a song is open
    bool loaded = false;

    struct Playback;  // the audio side, kept out of this header

private:
    void report(const char* text, const char* caption);

    double sourcePosition();

    std::unique_ptr<Playback> playback_;
    MusicSetup setup_;
    VirtualClock* following_ = nullptr;
    std::string problem_;
};
