// The song of a new show: the generator's short song, or the author's own copied in
// with its tempo and first beat found from the audio. Either way, what the script's
// header needs to follow it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

struct ShowSong {
    std::string fileInShow;  // as the script names it: "data/song.ogg"
    int32_t bpm = 125;
    std::optional<int32_t> offsetMs;  // the first beat, found in the author's song
    double seconds = 0.0;
    std::string summary;  // one line on where the song came from and its tempo
};

// Reads the author's song and fits its beat grid, before anything is written;
// `bpm` (when given) is the tempo, and only the first beat is found. Empty, with
// the reason in `error`, when the song cannot be read or has no beat to find.
std::optional<ShowSong> hearAuthorsSong(const std::filesystem::path& source, std::optional<int32_t> bpm,
                                        std::string& error);
// Copies the author's song into the show's data folder under the name it was given.
bool copyAuthorsSong(const std::filesystem::path& source, const std::filesystem::path& showFolder,
                     const ShowSong& song, std::string& error);
// Makes the short generated song in the show's data folder.
std::optional<ShowSong> makeGeneratedSong(const std::filesystem::path& showFolder, std::string& error);
