// Everything that can refuse the request is asked before anything is written: the
// folder, the fonts, the author's song. Then the show is made in a staging folder
// and put in place whole.
#include "newshow/NewShow.h"

#include <cmath>
#include <filesystem>
#include <fstream>

#include "base/Printable.h"
#include "generator/Fonts.h"
#include "generator/TextRenderer.h"
#include "newshow/NewCoords.h"
#include "newshow/NewScript.h"
#include "newshow/Placeholders.h"
#include "newshow/ShowReadme.h"
#include "newshow/ShowSong.h"
#include "newshow/TargetFolder.h"

namespace fs = std::filesystem;

namespace {

constexpr int BEATS_PER_PATTERN = 4;

bool writeText(const fs::path& path, const std::string& text, std::string& error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) error = "cannot write " + path.string();
    return static_cast<bool>(out);
}

std::string missingFont(TextRenderer& text) {
    for (const std::string& font : {fonts::SANS, fonts::SANS_BOLD}) {
        if (!text.canUse(font)) return font;
    }
    return "";
}

// Whole patterns of the song from its first beat on: what the script is laid out over.
int patternsIn(const ShowSong& song) {
    const double patternSeconds = 60.0 / song.bpm * BEATS_PER_PATTERN;
    const double fromFirstBeat = song.seconds - song.offsetMs.value_or(0) / 1000.0;
    return static_cast<int>(std::floor(fromFirstBeat / patternSeconds));
}

// The window's title: the name the author gave the show's folder.
std::string titleOf(const std::string& folder) {
    fs::path path = fs::absolute(folder).lexically_normal();
    if (!path.has_filename()) path = path.parent_path();
    const std::string name = path.filename().string();
    return name.empty() ? "A flashstep show" : name;
}

bool writeData(const fs::path& folder, const std::string& title, const ShowSong& song, TextRenderer& text,
               std::string& error) {
    std::string failed;
    if (!writePlaceholders(folder.string(), text, failed)) {
        error = "cannot write " + failed;
        return false;
    }
    const NewScriptSong scriptSong{song.fileInShow, song.bpm, song.offsetMs, patternsIn(song), title};
    return writeText(folder / "data/script.txt", newShowScript(scriptSong), error) &&
           writeText(folder / "data/coords.txt", newShowCoordinates(), error) &&
           writeText(folder / "README.txt", showReadme(song), error);
}

// The show in the staging folder, song first; `song` is filled in for the summary.
bool makeShow(const NewShowRequest& request, const fs::path& folder, std::optional<ShowSong>& song,
              TextRenderer& text, std::string& error) {
    std::error_code made;
    fs::create_directory(folder / "data", made);
    if (made) {
        error = "cannot make " + (folder / "data").string() + ": " + made.message();
        return false;
    }
    if (request.songFile.empty()) {
        song = makeGeneratedSong(folder, error);
        if (!song) return false;
    } else if (!copyAuthorsSong(request.songFile, folder, *song, error)) {
        return false;
    }
    return writeData(folder, titleOf(request.folder), *song, text, error);
}

}  // namespace

int writeNewShow(const NewShowRequest& request, std::ostream& out, std::ostream& err) {
    std::string error = targetFolderProblem(request.folder);
    TextRenderer text;
    const std::string font = error.empty() ? missingFont(text) : "";
    if (!font.empty()) error = "cannot open the font " + font + " (package fonts-dejavu-core)";
    std::optional<ShowSong> song;
    if (error.empty() && !request.songFile.empty())
        song = hearAuthorsSong(request.songFile, request.bpm, error);
    if (error.empty()) {
        StagingFolder staging(request.folder, error);
        if (error.empty() && makeShow(request, staging.path(), song, text, error)) staging.putInPlace(error);
    }
    if (!error.empty()) {
        err << "flashstep: --new: " << printable(error) << "\n";
        return 1;
    }
    out << "flashstep: a new show in " << request.folder << "\n"
        << "  song " << song->fileInShow << ": " << song->summary << "\n"
        << "  data/script.txt, data/coords.txt, placeholder pictures in data/, README.txt\n"
        << "Next: cd " << request.folder << " && flashstep --edit (README.txt names more)\n";
    return 0;
}
