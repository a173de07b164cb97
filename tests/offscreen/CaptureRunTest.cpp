// Capture and benchmark as a user runs them: the flashstep binary on a tiny show,
// its files checked with ffprobe, its failures checked for a clear message, exit
// code 1 and nothing left behind.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <thread>

#include "tests/support/Files.h"
#include "tests/support/PlayerRun.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"
#include "tests/support/TinyShow.h"

namespace fs = std::filesystem;

namespace {

constexpr double SONG_SECONDS = 1.0;

// A scratch folder with the tiny show in its "show" subfolder.
struct ShowFolder {
    TempDir dir;
    std::string show = dir.file("show");
    ShowFolder() { writeTinyShow(show, SONG_SECONDS); }
};

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

const std::set<std::string> SHOW_ONLY = {"data"};

nlohmann::json probe(const std::string& file) {
    const std::string text =
        runCommand(
            "ffprobe -v error -count_frames -show_entries "
            "stream=codec_type,codec_name,pix_fmt,width,height,nb_read_frames:format=duration -of json '" +
            file + "'")
            .out;
    return nlohmann::json::parse(text, nullptr, false);
}

const nlohmann::json* streamOf(const nlohmann::json& info, const std::string& type) {
    for (const auto& stream : info["streams"]) {
        if (stream["codec_type"] == type) return &stream;
    }
    return nullptr;
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The option string libx264 writes into the stream it makes, with a space at each end.
std::string x264Settings(const std::string& video) {
    const size_t at = video.find("options: ");
    if (at == std::string::npos) return "";
    return " " + video.substr(at + 9, video.find('\0', at) - at - 9) + " ";
}

std::vector<double> traceTimes(const std::string& out) {
    std::vector<double> times;
    std::stringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t at = line.find(" t=");
        if (line.rfind("frame=", 0) == 0 && at != std::string::npos)
            times.push_back(std::stod(line.substr(at + 3)));
    }
    return times;
}

}  // namespace

TEST(CaptureRun, TwoCapturesOfTheSameShowGiveIdenticalFrames) {
    ShowFolder folder;
    std::vector<std::vector<std::string>> runs;
    for (const char* name : {"first", "second"}) {
        fs::create_directory(folder.dir.file(name));
        const std::string pattern = folder.dir.file(name) + "/f%03d.png";
        const PlayerRun run =
            runPlayer(folder.show, "--capture '" + pattern + "' --fps 30 --frames 20 --quiet");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        ASSERT_EQ(namesIn(folder.dir.file(name)).size(), 20u) << "one file per frame, nothing else";
        std::vector<std::string> frames;
        for (int k = 0; k < 20; ++k) {
            char file[32];
            std::snprintf(file, sizeof file, "/f%03d.png", k);
            frames.push_back(readFile(folder.dir.file(name) + file));
            ASSERT_FALSE(frames.back().empty()) << name << file;
        }
        runs.push_back(frames);
    }
    for (size_t k = 0; k < runs[0].size(); ++k) EXPECT_TRUE(runs[0][k] == runs[1][k]) << "frame " << k;
    const std::set<std::string> distinct(runs[0].begin(), runs[0].end());
    EXPECT_GT(distinct.size(), 5u) << "the show moves, so the frames differ";
}

TEST(CaptureRun, FrameKShowsSongTimeRoundedFromKTimes1000OverFps) {
    ShowFolder folder;
    const PlayerRun run = runPlayer(
        folder.show, "--capture '" + folder.dir.file("f%02d.png") + "' --fps 24 --frames 12 --trace --quiet");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<double> times = traceTimes(run.out);
    ASSERT_EQ(times.size(), 12u);
    const int expectedMs[] = {0, 42, 83, 125, 167, 208, 250, 292, 333, 375, 417, 458};
    for (size_t k = 0; k < times.size(); ++k)
        EXPECT_NEAR(times[k], expectedMs[k] / 1000.0, 1e-6) << "frame " << k;
}

TEST(CaptureRun, VideoLastsAsLongAsTheSongAndCarriesIt) {
    ShowFolder folder;
    const std::string video = folder.dir.file("show.mp4");
    const PlayerRun run = runPlayer(folder.show, "--capture '" + video + "' --fps 30");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("30/30 frames"), std::string::npos)
        << "the progress bar reaches the end: " << run.err;
    const std::string bytes = readFile(video);
    const size_t named = run.err.rfind("\nwrote " + video + ": ");
    ASSERT_NE(named, std::string::npos) << run.err;
    const std::string last = run.err.substr(named + 1);
    EXPECT_TRUE(endsWith(last, " MB, 0:01.000 long (30 frames at 30 fps, 1280 x 720)\n"))
        << "the last line names the file's size and length: " << last;
    const double megabytes = std::stod(last.substr(last.find(": ") + 2));
    EXPECT_NEAR(megabytes * 1e6, static_cast<double>(bytes.size()), 0.05e6) << last;
    EXPECT_EQ(topLevelBoxes(bytes).substr(0, 8), "ftypmoov") << "the index first, ready to stream";
    const std::string settings = x264Settings(bytes);
    EXPECT_NE(settings.find(" crf=20.0 "), std::string::npos) << settings;
    EXPECT_NE(settings.find(" vbv_maxrate=20000 "), std::string::npos)
        << "the default's ceiling: " << settings;
    const nlohmann::json info = probe(video);
    ASSERT_FALSE(info.is_discarded());
    const nlohmann::json* picture = streamOf(info, "video");
    const nlohmann::json* sound = streamOf(info, "audio");
    ASSERT_NE(picture, nullptr) << info.dump();
    ASSERT_NE(sound, nullptr) << info.dump();
    EXPECT_EQ((*picture)["codec_name"], "h264");
    EXPECT_EQ((*picture)["pix_fmt"], "yuv420p");
    EXPECT_EQ((*picture)["width"], 1280) << "a video's default size";
    EXPECT_EQ((*picture)["height"], 720);
    EXPECT_EQ((*picture)["nb_read_frames"], "30");
    const double duration = std::stod(info["format"]["duration"].get<std::string>());
    EXPECT_NEAR(duration, SONG_SECONDS, 1.0 / 30.0) << info.dump();
    EXPECT_EQ(namesIn(folder.dir.path()), (std::set<std::string>{"show", "show.mp4"})) << "no temporary left";
}

TEST(CaptureRun, AGivenCrfIsThatCrfAloneAndNumberedFramesKeepTheShowsSize) {
    ShowFolder folder;
    const std::string video = folder.dir.file("show.mkv");
    const PlayerRun run = runPlayer(folder.show, "--capture '" + video + "' --frames 6 --crf 23 --quiet");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err.find("wrote "), std::string::npos) << "quiet means no closing line either: " << run.err;
    const std::string settings = x264Settings(readFile(video));
    EXPECT_NE(settings.find(" crf=23.0 "), std::string::npos) << settings;
    EXPECT_EQ(settings.find("vbv_maxrate"), std::string::npos)
        << "no ceiling on a crf asked for: " << settings;

    const std::string frames = folder.dir.file("f%d.png");
    ASSERT_EQ(runPlayer(folder.show, "--capture '" + frames + "' --frames 1 --quiet").exitCode, 0);
    const nlohmann::json info = probe(folder.dir.file("f0.png"));
    ASSERT_NE(streamOf(info, "video"), nullptr) << info.dump();
    EXPECT_EQ((*streamOf(info, "video"))["width"], 640);
    EXPECT_EQ((*streamOf(info, "video"))["height"], 480);
}

TEST(CaptureRun, EachContainerGetsCodecsItCanHold) {
    struct Case {
        const char* file;
        const char* video;
        const char* audio;
    };
    for (const Case& c : {Case{"show.mkv", "h264", "aac"}, Case{"show.webm", "vp9", "opus"}}) {
        ShowFolder folder;
        const std::string file = folder.dir.file(c.file);
        const PlayerRun run = runPlayer(folder.show, "--capture '" + file + "' --frames 6 --quiet");
        ASSERT_EQ(run.exitCode, 0) << c.file << ": " << run.err;
        const nlohmann::json info = probe(file);
        ASSERT_FALSE(info.is_discarded()) << c.file;
        ASSERT_NE(streamOf(info, "video"), nullptr) << c.file;
        ASSERT_NE(streamOf(info, "audio"), nullptr) << c.file;
        EXPECT_EQ((*streamOf(info, "video"))["codec_name"], c.video);
        EXPECT_EQ((*streamOf(info, "audio"))["codec_name"], c.audio);
    }
}

TEST(CaptureRun, AnUnreadableSongIsNamedWithItsReasonUnlessTheVideoIsSilent) {
    ShowFolder folder;
    fs::remove(folder.show + "/data/song.wav");
    const std::string video = folder.dir.file("show.mp4");
    const PlayerRun refused = runPlayer(folder.show, "--capture '" + video + "' --frames 6 --quiet --trace");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("\"" + folder.show + "/data/song.wav\" (No such file or directory)"),
              std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("--no-sound"), std::string::npos) << refused.err;
    EXPECT_TRUE(refused.out.empty()) << "refused before any frame";
    EXPECT_EQ(namesIn(folder.dir.path()), (std::set<std::string>{"show"}));

    const PlayerRun silent =
        runPlayer(folder.show, "--capture '" + video + "' --frames 6 --quiet --no-sound");
    ASSERT_EQ(silent.exitCode, 0) << silent.err;
    const nlohmann::json info = probe(video);
    ASSERT_NE(streamOf(info, "video"), nullptr) << info.dump();
    EXPECT_EQ((*streamOf(info, "video"))["nb_read_frames"], "6");
    EXPECT_EQ(streamOf(info, "audio"), nullptr) << info.dump();

    // Joining ranges lays the song under them: the same rule.
    const std::string joined = folder.dir.file("joined.mp4");
    const PlayerRun unjoined = runPlayer(folder.show, "--join '" + joined + "' '" + video + "'");
    EXPECT_EQ(unjoined.exitCode, 1);
    EXPECT_NE(unjoined.err.find("/data/song.wav\" (No such file or directory)"), std::string::npos)
        << unjoined.err;
    EXPECT_FALSE(fs::exists(joined));
    ASSERT_EQ(runPlayer(folder.show, "--join '" + joined + "' '" + video + "' --no-sound").exitCode, 0);
    EXPECT_EQ((*streamOf(probe(joined), "video"))["nb_read_frames"], "6");
    EXPECT_EQ(streamOf(probe(joined), "audio"), nullptr);
}

TEST(CaptureRun, MessagesQuoteNamesWithTheirControlBytesEscaped) {
    ShowFolder folder;
    // A song's name that would retitle the terminal, and an output name with a carriage return.
    std::string script = readFile(folder.show + "/data/script.txt");
    script.replace(script.find("data/song.wav"), 13, "data/\x1b]0;TITLE\x07.wav");
    writeFile(folder.show + "/data/script.txt", script);
    const std::pair<std::string, std::string> cases[] = {
        {folder.dir.file("show.mp4"), "data/\\x1b]0;TITLE\\x07.wav"},
        {folder.dir.file("f\rake.avi"), "f\\x0dake.avi"}};
    for (const auto& [output, quoted] : cases) {
        const PlayerRun run = runPlayer(folder.show, "--capture '" + output + "' --frames 2 --quiet");
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err.find_first_of("\x1b\x07\r"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(quoted), std::string::npos) << run.err;
    }
}

TEST(CaptureRun, NoSoundLeavesAReadableSongOutOfTheVideo) {
    ShowFolder folder;
    const std::string video = folder.dir.file("show.mkv");
    const PlayerRun run = runPlayer(folder.show, "--capture '" + video + "' --fps 30 --quiet --no-sound");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json info = probe(video);
    ASSERT_NE(streamOf(info, "video"), nullptr) << info.dump();
    EXPECT_EQ((*streamOf(info, "video"))["nb_read_frames"], "30") << "still as long as the song";
    EXPECT_EQ(streamOf(info, "audio"), nullptr) << info.dump();
}

TEST(CaptureRun, MissingFfmpegFailsBeforeRenderingAndLeavesNoFile) {
    ShowFolder folder;
    fs::create_directory(folder.dir.file("nothing"));
    const PlayerRun run = runPlayer(folder.show, "--capture '" + folder.dir.file("show.mp4") + "' --trace",
                                    "PATH='" + folder.dir.file("nothing") + "'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("the ffmpeg program was not found"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << "no frame was drawn";
    EXPECT_EQ(namesIn(folder.dir.path()), (std::set<std::string>{"show", "nothing"}));
    EXPECT_EQ(namesIn(folder.show), SHOW_ONLY);
}

TEST(CaptureRun, UnwritableFileFailsWithAClearMessage) {
    ShowFolder folder;
    folder.dir.write("plainfile", "x");
    for (const std::string& file :
         {folder.dir.file("plainfile/show.mp4"), folder.dir.file("plainfile/f%03d.png"),
          folder.dir.file("missing/show.mkv")}) {
        const PlayerRun run = runPlayer(folder.show, "--capture '" + file + "' --trace");
        EXPECT_EQ(run.exitCode, 1) << file;
        EXPECT_NE(run.err.find("cannot write " + file), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << "no frame was drawn";
    }
    EXPECT_EQ(namesIn(folder.dir.path()), (std::set<std::string>{"show", "plainfile"}));
}

TEST(CaptureRun, EncoderFailureLeavesNoHalfWrittenFile) {
    ShowFolder folder;
    // An ffmpeg that writes a little of its output, stops reading and fails.
    const std::string bin = folder.dir.file("bin");
    fs::create_directory(bin);
    folder.dir.write(
        "bin/ffmpeg",
        "#!/bin/sh\nfor last; do :; done\necho partial > \"$last\"\nhead -c 1000 > /dev/null\nexit 3\n");
    fs::permissions(bin + "/ffmpeg", fs::perms::owner_all);
    const PlayerRun run = runPlayer(folder.show, "--capture '" + folder.dir.file("show.mp4") + "' --quiet",
                                    "PATH='" + bin + ":/usr/bin:/bin'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("capture to " + folder.dir.file("show.mp4") + " failed"), std::string::npos)
        << run.err;
    EXPECT_EQ(namesIn(folder.dir.path()), (std::set<std::string>{"show", "bin"}));
}

TEST(CaptureRun, CommandLineRefusesWhatItCannotMean) {
    ShowFolder folder;
    const std::string video = folder.dir.file("show.mp4");
    for (const std::string& arguments : std::vector<std::string>{
             "--fps 30 --frames 3", "--json --frames 3", "--capture '" + video + "' --dt 10",
             "--capture '" + video + "' --benchmark", "--capture '" + video + "' --fps 0"}) {
        const PlayerRun run = runPlayer(folder.show, arguments);
        EXPECT_NE(run.exitCode, 0) << arguments;
    }
    const PlayerRun avi = runPlayer(folder.show, "--capture '" + folder.dir.file("show.avi") + "'");
    EXPECT_EQ(avi.exitCode, 1);
    EXPECT_NE(avi.err.find(".mp4, .mkv or .webm"), std::string::npos) << avi.err;
    EXPECT_EQ(namesIn(folder.dir.path()), std::set<std::string>{"show"});
}

// Two adjacent silent parts of the tiny show, half a second each at 10 fps, in `folder`.
void captureParts(const ShowFolder& show, const std::string& folder) {
    for (const char* range : {"q1.mp4 --start 0ms --end 500ms", "q2.mp4 --start 500ms --end 1000ms"}) {
        const PlayerRun run =
            runPlayer(show.show, "--quiet --no-sound --fps 10 --capture '" + folder + "'/" + range);
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }
}

int64_t framesOf(const std::string& video) {
    const nlohmann::json info = probe(video);
    const nlohmann::json* picture = streamOf(info, "video");
    return picture == nullptr ? -1 : std::stoll((*picture)["nb_read_frames"].get<std::string>());
}

// Gone, or a zombie that nobody has reaped yet: either way it runs no more.
bool processEnded(pid_t pid) {
    const std::string stat = readFile("/proc/" + std::to_string(pid) + "/stat");
    const size_t close = stat.rfind(')');
    return stat.empty() || (close != std::string::npos && stat.compare(close, 3, ") Z") == 0);
}

bool endsWithin(pid_t pid, std::chrono::seconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (!processEnded(pid) && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return processEnded(pid);
}

TEST(JoinRun, RefusesAnOutputThatIsAPartAndATagThatLies) {
    ShowFolder folder;
    captureParts(folder, folder.dir.path());
    const std::string part = readFile(folder.dir.file("q1.mp4"));
    fs::create_directory(folder.dir.file("sub"));
    for (const char* output : {"q1.mp4", "sub/../q1.mp4"}) {
        const PlayerRun run = runPlayer(
            folder.dir.path(), std::string("--join ") + output + " q1.mp4 q2.mp4 --no-sound --data show");
        EXPECT_EQ(run.exitCode, 1) << output;
        EXPECT_NE(run.err.find("is the part"), std::string::npos) << run.err;
        EXPECT_TRUE(readFile(folder.dir.file("q1.mp4")) == part) << output << ": the part is as it was";
    }
    // A part whose tag was rewritten to a rate its video does not have.
    ASSERT_EQ(runCommand("cd '" + folder.dir.path() +
                         "' && ffmpeg -v error -i q2.mp4 -c copy -metadata "
                         "'comment=flashstep frames=0+5 fps=4294967295' lying.mp4")
                  .exitCode,
              0);
    const PlayerRun lying =
        runPlayer(folder.dir.path(), "--join joined.mp4 lying.mp4 --no-sound --data show");
    EXPECT_EQ(lying.exitCode, 1);
    EXPECT_NE(lying.err.find("lying.mp4 holds video of another frame rate"), std::string::npos) << lying.err;
    EXPECT_EQ(namesIn(folder.dir.path()),
              (std::set<std::string>{"show", "sub", "q1.mp4", "q2.mp4", "lying.mp4"}));
}

TEST(JoinRun, ANewlineInTheFolderNameJoinsLikeAnyOther) {
    ShowFolder folder;
    const std::string odd = folder.dir.file("two\nlines");
    fs::create_directory(odd);
    captureParts(folder, odd);
    const PlayerRun run =
        runPlayer(odd, "--join joined.mp4 q1.mp4 q2.mp4 --no-sound --data '" + folder.show + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(framesOf(odd + "/joined.mp4"), 10);
}

TEST(JoinRun, ASignalStopsItAndWhatAKilledJoinLeftGoesWithTheNext) {
    ShowFolder folder;
    captureParts(folder, folder.dir.path());
    writeFile(folder.dir.file("out.mp4"), "the video before");
    // An ffmpeg that says who it is and takes its time.
    TempDir stub;
    stub.write("bin/ffmpeg", "#!/bin/sh\necho $$ > \"$STUB\"/ffmpeg.pid\nexec sleep 20\n");
    fs::permissions(stub.file("bin/ffmpeg"), fs::perms::owner_all);
    const std::string join = "cd '" + folder.dir.path() + "' && { PATH='" + stub.file("bin") +
                             ":/usr/bin:/bin' STUB='" + stub.path() +
                             "' '" FLASHSTEP_EXE
                             "' --join out.mp4 q1.mp4 q2.mp4 --no-sound --data show >/dev/null & pid=$!; "
                             "for i in $(seq 200); do [ -s '" +
                             stub.file("ffmpeg.pid") + "' ] && break; sleep 0.1; done; kill -";
    const std::string wait = " $pid; wait $pid; }";

    const ProcessResult stopped = runCommand(join + "TERM" + wait, stub.file("err"));
    EXPECT_EQ(stopped.exitCode, 1) << stopped.err;
    EXPECT_NE(stopped.err.find("stopped"), std::string::npos) << stopped.err;
    const pid_t first = std::stoi(readFile(stub.file("ffmpeg.pid")));
    EXPECT_TRUE(processEnded(first)) << "its ffmpeg ended with it";
    EXPECT_EQ(readFile(folder.dir.file("out.mp4")), "the video before");
    EXPECT_EQ(namesIn(folder.dir.path()), (std::set<std::string>{"show", "q1.mp4", "q2.mp4", "out.mp4"}));

    fs::remove(stub.file("ffmpeg.pid"));
    runCommand(join + "KILL" + wait);
    const pid_t second = std::stoi(readFile(stub.file("ffmpeg.pid")));
    EXPECT_TRUE(endsWithin(second, std::chrono::seconds(10))) << "ffmpeg dies with the killed join";
    EXPECT_GT(namesIn(folder.dir.path()).size(), 4u) << "a killed join leaves its hidden files";
    const PlayerRun next =
        runPlayer(folder.dir.path(), "--join out.mp4 q1.mp4 q2.mp4 --no-sound --data show");
    ASSERT_EQ(next.exitCode, 0) << next.err;
    EXPECT_EQ(framesOf(folder.dir.file("out.mp4")), 10);
    EXPECT_EQ(namesIn(folder.dir.path()), (std::set<std::string>{"show", "q1.mp4", "q2.mp4", "out.mp4"}));
}

TEST(FarmRun, OutputIsCheckedBeforeAnyRangeAndMayHaveANewlineInItsFolder) {
    ShowFolder folder;
    fs::create_directory(folder.dir.file("taken.mp4"));
    fs::create_directory(folder.dir.file("two\nlines"));
    const std::string tools = std::string(FLASHSTEP_SOURCE_DIR) + "/tools/";
    // An sbatch that must not be reached.
    TempDir bin;
    bin.write("sbatch", "#!/bin/sh\necho submitted >&2\nexit 1\n");
    fs::permissions(bin.file("sbatch"), fs::perms::owner_all);
    const std::string farm = "cd '" + folder.dir.path() + "' && PATH='" + bin.path() + "':$PATH FLASHSTEP='" +
                             FLASHSTEP_EXE + "' '" + tools;
    for (const char* script : {"farm-capture.sh' taken.mp4 --jobs 1", "farm-capture.sbatch' taken.mp4"}) {
        const ProcessResult run =
            runCommand(farm + script + " --ranges 2 --no-sound --data show", bin.file("err"));
        EXPECT_EQ(run.exitCode, 1) << script;
        EXPECT_NE(run.err.find("taken.mp4 is a folder"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("submitted"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("cannot join"), std::string::npos) << "refused before capturing: " << run.err;
    }
    const ProcessResult odd =
        runCommand(farm +
                       "farm-capture.sh' 'two\nlines/farm.mp4' --jobs 1 --ranges 2 --fps 10 --no-sound "
                       "--data show",
                   bin.file("err"));
    ASSERT_EQ(odd.exitCode, 0) << odd.err;
    EXPECT_EQ(framesOf(folder.dir.file("two\nlines/farm.mp4")), 10);
    EXPECT_EQ(namesIn(folder.dir.file("two\nlines")), std::set<std::string>{"farm.mp4"});
}

TEST(BenchmarkRun, JsonReportHasTheFiguresAndTheSlowestFrames) {
    ShowFolder folder;
    const PlayerRun run = runPlayer(folder.show, "--benchmark --json --fps 30 --quiet");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json report = nlohmann::json::parse(run.out, nullptr, false);
    ASSERT_FALSE(report.is_discarded()) << run.out;
    EXPECT_EQ(report["frames"], 30) << "the whole one-second song at 30 fps";
    EXPECT_EQ(report["fps"], 30);
    EXPECT_GT(report["start_to_first_frame_ms"].get<double>(), 0.0);
    const double empty = report["empty_frame_ms"].get<double>();
    EXPECT_GT(empty, 0.0);
    const nlohmann::json& ms = report["frame_ms"];
    EXPECT_LE(ms["median"].get<double>(), ms["p90"].get<double>());
    EXPECT_LE(ms["p90"].get<double>(), ms["p99"].get<double>());
    EXPECT_LE(ms["p99"].get<double>(), ms["max"].get<double>());
    EXPECT_NEAR(report["ratio_to_empty"]["p99"].get<double>(), ms["p99"].get<double>() / empty, 1e-9);
    ASSERT_FALSE(report["slowest"].empty());
    const nlohmann::json& slowest = report["slowest"][0];
    EXPECT_DOUBLE_EQ(slowest["ms"].get<double>(), ms["max"].get<double>());
    EXPECT_GE(slowest["position_s"].get<double>(), 0.0);
    EXPECT_LE(slowest["position_s"].get<double>(), SONG_SECONDS);
    EXPECT_EQ(slowest["layers"], nlohmann::json({"palikat", "kumma", "lorenz"}));
}
