// The author's song keeps its own format: its extension comes along, since the
// player's decoder goes by the file's contents and the author by its name.
#include "newshow/ShowSong.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "generator/Song.h"
#include "generator/SongStructure.h"
#include "sound/SongTempo.h"

namespace fs = std::filesystem;

namespace {

// "data/song" and the source's extension, when it is a plain one (the script's
// song name is a single word).
std::string nameInShow(const fs::path& source) {
    const std::string extension = source.extension().string();
    const bool plain = extension.size() > 1 && extension.size() <= 10 &&
                       std::all_of(extension.begin() + 1, extension.end(),
                                   [](unsigned char c) { return std::isalnum(c) != 0; });
    return "data/song" + (plain ? extension : "");
}

std::string seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f s", value);
    return text;
}

}  // namespace

std::optional<ShowSong> hearAuthorsSong(const fs::path& source, std::optional<int32_t> bpm,
                                        std::string& error) {
    const std::optional<HeardSong> heard = listenToSong(source.string(), error);
    if (!heard) {
        error = "cannot read the song " + source.string() + ": " + error;
        return std::nullopt;
    }
    const std::optional<SongTempo> tempo = fitSongTempo(*heard, bpm);
    if (!tempo) {
        error = "found no beat in " + source.string() + ": give its tempo with --bpm";
        return std::nullopt;
    }
    ShowSong song;
    song.fileInShow = nameInShow(source);
    song.bpm = tempo->bpm;
    song.offsetMs = static_cast<int32_t>(std::lround(tempo->firstBeatSeconds * 1000.0));
    song.seconds = heard->seconds;
    song.summary = "copied from " + source.string() + " (" + seconds(song.seconds) +
                   "): " + std::to_string(song.bpm) + " bpm" + (bpm ? " as given" : "") + ", first beat at " +
                   seconds(tempo->firstBeatSeconds) + (bpm ? ", found" : ", both found") + " from the audio";
    return song;
}

bool copyAuthorsSong(const fs::path& source, const fs::path& showFolder, const ShowSong& song,
                     std::string& error) {
    std::error_code copied;
    fs::copy_file(source, showFolder / song.fileInShow, copied);
    if (copied) error = "cannot copy the song " + source.string() + ": " + copied.message();
    return !copied;
}

std::optional<ShowSong> makeGeneratedSong(const fs::path& showFolder, std::string& error) {
    ShowSong song;
    song.fileInShow = "data/song.ogg";
    song.bpm = song::BPM;
    const StereoBuffer samples = synthesiseShortSong();
    song.seconds = static_cast<double>(samples.frames()) / song::SAMPLE_RATE;
    if (!writeSong((showFolder / song.fileInShow).string(), samples)) {
        error = "cannot write the song " + (showFolder / song.fileInShow).string();
        return std::nullopt;
    }
    song.summary = "generated, " + seconds(song.seconds) + " at " + std::to_string(song.bpm) + " bpm";
    return song;
}
