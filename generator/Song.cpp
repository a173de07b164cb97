// Glue of the song modules: arrange, mix, master, encode, fix the serial; the whole
// song and a short one cut from its patterns.
#include "generator/Song.h"

#include <vector>

#include "generator/Arrangement.h"
#include "generator/Mix.h"
#include "generator/OggSerial.h"
#include "generator/VorbisWriter.h"

namespace {

// Vorbis quality 0..1 (0.3 is about 110 kbit/s for this stereo song).
constexpr double VORBIS_QUALITY = 0.3;
// Any fixed value does; this one spells "fsdg" (flashstep data generator).
constexpr uint32_t STREAM_SERIAL = 0x66736467u;

// Source patterns, in the order the short song plays them.
const std::vector<int> SHORT_SONG = {
    4, 5, 6, 7, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, song::LAST_HIT_PATTERN};

StereoBuffer finish(SongBuses& buses, int lastHitPlace) {
    StereoBuffer song = mixSong(buses, static_cast<std::size_t>(lastHitPlace) * song::FRAMES_PER_PATTERN);
    master(song, MASTER_CEILING);
    return song;
}

}  // namespace

StereoBuffer synthesiseSong() {
    SongBuses buses = arrange();
    return finish(buses, song::LAST_HIT_PATTERN);
}

StereoBuffer synthesiseShortSong() {
    SongBuses buses = arrange(SHORT_SONG);
    return finish(buses, static_cast<int>(SHORT_SONG.size()) - 1);
}

int shortSongPatterns() {
    return static_cast<int>(SHORT_SONG.size());
}

bool writeSong(const std::string& path, const StereoBuffer& song) {
    return writeOggVorbis(path, song, VORBIS_QUALITY) && setOggSerialInFile(path, STREAM_SERIAL);
}
