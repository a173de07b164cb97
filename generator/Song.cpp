// Glue of the song modules: arrange, mix, master, encode, fix the serial.
#include "generator/Song.h"

#include "generator/Arrangement.h"
#include "generator/Mix.h"
#include "generator/OggSerial.h"
#include "generator/VorbisWriter.h"

namespace {
// Vorbis quality 0..1 (0.3 is about 110 kbit/s for this stereo song).
constexpr double VORBIS_QUALITY = 0.3;
// Any fixed value does; this one spells "fsdg" (flashstep data generator).
constexpr uint32_t STREAM_SERIAL = 0x66736467u;
}  // namespace

StereoBuffer synthesiseSong() {
    SongBuses buses = arrange();
    StereoBuffer song = mixSong(buses);
    master(song, MASTER_CEILING);
    return song;
}

bool writeSong(const std::string& path, const StereoBuffer& song) {
    return writeOggVorbis(path, song, VORBIS_QUALITY) && setOggSerialInFile(path, STREAM_SERIAL);
}
