// Show folders for the timeline tests: the script as given, and a song of 8 kHz mono
// samples whose loudness rises over its length, written with libsndfile.
#include "tests/timeline/ShowFolder.h"

#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "check/ShowCheck.h"
#include "timeline/TimelineCommand.h"
#include "timeline/TimelineFonts.h"

namespace {

constexpr int SONG_RATE = 8000;

// Cairo and fontconfig keep faces for the whole process; letting go of them at the end
// leaves the leak checker only what the timeline itself might keep.
class FontCaches : public testing::Environment {
    void TearDown() override { fonts::releaseCaches(); }
};
testing::Environment* const fontCaches = testing::AddGlobalTestEnvironment(new FontCaches);

void writeSong(const std::string& path, double seconds) {
    SF_INFO info{};
    info.samplerate = SONG_RATE;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    const auto frames = static_cast<sf_count_t>(std::llround(seconds * SONG_RATE));
    std::vector<float> samples(static_cast<std::size_t>(frames));
    for (sf_count_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / SONG_RATE;
        samples[static_cast<std::size_t>(i)] =
            static_cast<float>(0.8 * (t / seconds) * std::sin(2.0 * M_PI * 110.0 * t));
    }
    EXPECT_EQ(sf_writef_float(file, samples.data(), frames), frames);
    sf_close(file);
}

}  // namespace

ShowFolder::ShowFolder(const std::string& script, double songSeconds) {
    dir_.write("data/script.txt", script);
    if (songSeconds > 0.0) writeSong(songPath(), songSeconds);
}

std::vector<Finding> findingsIn(const std::string& folder) {
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    std::vector<Finding> findings = checkShow();
    std::filesystem::current_path(before);
    return findings;
}

CommandRun runTimelineIn(const std::string& folder, const std::string& outFile, const std::string& bench) {
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    testing::internal::CaptureStderr();
    CommandRun run;
    run.exitCode = runTimelineCommand(outFile, bench);
    run.err = testing::internal::GetCapturedStderr();
    std::filesystem::current_path(before);
    return run;
}
