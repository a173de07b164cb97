// Plain text, to be read in any editor next to the script.
#include "newshow/ShowReadme.h"

std::string showReadme(const ShowSong& song) {
    std::string text =
        "A new flashstep show\n"
        "====================\n"
        "\n"
        "Made by flashstep --new. Everything in this folder is yours to change.\n"
        "\n"
        "  data/script.txt   what happens when: every layer and every kind of event,\n"
        "                    each line with a note saying what it does\n"
        "  data/coords.txt   the pieces that picture 8 is revealed in, one by one\n"
        "  " +
        song.fileInShow + std::string(song.fileInShow.size() < 18 ? 18 - song.fileInShow.size() : 1, ' ') +
        "the song: " + song.summary +
        "\n"
        "  data/*.jpg        placeholder pictures: each shows its file name, what the\n"
        "                    show uses it for and its size. Put your own picture in its\n"
        "                    place under the same name, or name yours in the script\n"
        "                    (init picture 6 art/me.png, init texture reflect\n"
        "                    art/room.jpg). JPEG or PNG; a PNG's transparency is\n"
        "                    its mask\n"
        "\n"
        "Next, from this folder:\n"
        "\n"
        "  flashstep --edit               play it in a window and edit data/script.txt\n"
        "                                 as it plays: a save reloads the show in place\n"
        "  flashstep --check              every mistake in the script and the data, by line\n"
        "  flashstep --timeline show.png  the whole show in one picture (.svg, .pdf, .html too)\n"
        "  flashstep --capture show.mp4   a video of the show with its song\n"
        "  flashstep                      play it (it asks about full screen)\n"
        "\n"
        "The tempo at the top of the script (init bpm) decides where the camera jumps\n"
        "fall: if they miss the beat, change it there. With a song of your own, init\n"
        "offset is the song time of its first beat, in milliseconds.\n";
    return text;
}
