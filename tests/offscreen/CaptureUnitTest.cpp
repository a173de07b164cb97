// The pieces of capture and benchmark that need no player: the capture file kinds, the temporary target, progress text and the report.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "offscreen/BenchmarkReport.h"
#include "offscreen/CaptureFormat.h"
#include "offscreen/CaptureTarget.h"
#include "offscreen/ProgressBar.h"
#include "tests/support/Files.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> entriesOf(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(CaptureFormat, TheNameChoosesContainerOrNumberedFrames) {
    struct Case {
        const char* file;
        CaptureKind kind;
    };
    for (const Case& c :
         {Case{"/tmp/show.mp4", CaptureKind::Mp4}, Case{"show.mkv", CaptureKind::Matroska},
          Case{"a/b.webm", CaptureKind::WebM}, Case{"frames/%05d.png", CaptureKind::PngFrames},
          Case{"f%d.mp4", CaptureKind::PngFrames}, Case{"show.avi", CaptureKind::Unknown},
          Case{"mp4", CaptureKind::Unknown}, Case{"100%/show.mp4", CaptureKind::Mp4}}) {
        EXPECT_EQ(captureKindOf(c.file), c.kind) << c.file;
    }
}

TEST(CaptureTarget, CommitPutsTheFileInPlaceAndLeavesNothingElse) {
    TempDir dir;
    CaptureTarget target;
    std::string error;
    ASSERT_TRUE(target.prepare(dir.file("show.mp4"), CaptureKind::Mp4, error)) << error;
    EXPECT_FALSE(fs::exists(dir.file("show.mp4")));  // not under its name while written
    std::ofstream(target.writePath()) << "video";
    ASSERT_TRUE(target.commit(error)) << error;
    EXPECT_EQ(entriesOf(dir.path()), std::vector<std::string>{"show.mp4"});
    struct stat info {};
    ASSERT_EQ(stat(dir.file("show.mp4").c_str(), &info), 0);
    EXPECT_NE(info.st_mode & 0044, 0u) << "a finished capture is readable by others, as files usually are";
}

TEST(CaptureTarget, DiscardedOrAbandonedCaptureLeavesNoFile) {
    TempDir dir;
    {
        CaptureTarget target;
        std::string error;
        ASSERT_TRUE(target.prepare(dir.file("show.mkv"), CaptureKind::Matroska, error));
        std::ofstream(target.writePath()) << "half a video";
    }
    {
        CaptureTarget target;
        std::string error;
        ASSERT_TRUE(target.prepare(dir.file("f%03d.png"), CaptureKind::PngFrames, error));
        std::ofstream(target.temporary + "/f000.png") << "frame";
        target.discard();
    }
    EXPECT_TRUE(entriesOf(dir.path()).empty());
}

TEST(CaptureTarget, NumberedFramesMoveIntoTheTargetFolder) {
    TempDir dir;
    fs::create_directory(dir.file("frames"));
    CaptureTarget target;
    std::string error;
    ASSERT_TRUE(target.prepare(dir.file("frames/f%03d.png"), CaptureKind::PngFrames, error)) << error;
    EXPECT_EQ(target.writePath(), target.temporary + "/f%03d.png");
    for (const char* name : {"f000.png", "f001.png", "f002.png"})
        std::ofstream(target.temporary + "/" + name) << name;
    ASSERT_TRUE(target.commit(error)) << error;
    EXPECT_EQ(entriesOf(dir.file("frames")), (std::vector<std::string>{"f000.png", "f001.png", "f002.png"}));
}

TEST(CaptureTarget, AFailedMoveOfFramesLeavesEveryNameAsItWas) {
    TempDir dir;
    fs::create_directory(dir.file("frames"));
    for (int k = 0; k < 10; ++k) {
        if (k != 5) dir.write("frames/f00" + std::to_string(k) + ".png", "before " + std::to_string(k));
    }
    dir.write("frames/f005.png/kept", "a folder under a frame's name");
    CaptureTarget target;
    std::string error;
    ASSERT_TRUE(target.prepare(dir.file("frames/f%03d.png"), CaptureKind::PngFrames, error)) << error;
    for (int k = 0; k < 10; ++k) std::ofstream(target.temporary + "/f00" + std::to_string(k) + ".png") << "new";
    EXPECT_FALSE(target.commit(error));
    EXPECT_NE(error.find("f005.png"), std::string::npos) << error;
    for (int k = 0; k < 10; ++k) {
        const std::string frame = "frames/f00" + std::to_string(k) + ".png";
        if (k == 5) continue;
        EXPECT_EQ(readFile(dir.file(frame)), "before " + std::to_string(k));
    }
    EXPECT_EQ(readFile(dir.file("frames/f005.png/kept")), "a folder under a frame's name");
    EXPECT_EQ(entriesOf(dir.file("frames")).size(), 10u) << "nothing hidden is left";
}

TEST(CaptureTarget, WhatAKilledRunLeftBesideTheSameTargetGoesFirst) {
    TempDir dir;
    dir.write(".show.mp4.partial-a1b2c3", "half a video");
    dir.write(".show.mp4.join-d4e5f6/part-0.mp4", "a part");
    dir.write(".other.mp4.partial-a1b2c3", "another target's");
    dir.write(".show.mp4.partial-notours", "not a name we make");
    CaptureTarget running;
    std::string error;
    ASSERT_TRUE(running.prepare(dir.file("show.mp4"), CaptureKind::Mp4, error)) << error;
    const std::string held = fs::path(running.temporary).filename().string();
    CaptureTarget next;
    ASSERT_TRUE(next.prepare(dir.file("show.mp4"), CaptureKind::Mp4, error)) << error;
    const std::string fresh = fs::path(next.temporary).filename().string();
    std::vector<std::string> kept = {".other.mp4.partial-a1b2c3", ".show.mp4.partial-notours", held, fresh};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(entriesOf(dir.path()), kept) << "a run still going keeps its file";
}

TEST(CaptureTarget, RefusesPlacesThatCannotBeWritten) {
    TempDir dir;
    dir.write("plainfile", "x");
    fs::create_directory(dir.file("taken.mp4"));
    for (const std::string& file : {dir.file("plainfile/show.mp4"), dir.file("missing/show.mp4"),
                                    dir.file("taken.mp4"), dir.file("plainfile/f%d.png")}) {
        CaptureTarget target;
        std::string error;
        EXPECT_FALSE(target.prepare(file, captureKindOf(file), error)) << file;
        EXPECT_FALSE(error.empty()) << file;
    }
    EXPECT_EQ(entriesOf(dir.path()), (std::vector<std::string>{"plainfile", "taken.mp4"}));
}

TEST(ProgressText, ShowsFramesPercentRateAndTimeLeft) {
    const std::string half = formatProgress(300, 600, 10.0);
    EXPECT_NE(half.find("300/600 frames"), std::string::npos) << half;
    EXPECT_NE(half.find("50.0%"), std::string::npos) << half;
    EXPECT_NE(half.find("30.0 fps"), std::string::npos) << half;
    EXPECT_NE(half.find("0:10 left"), std::string::npos) << half;
    EXPECT_NE(formatProgress(0, 600, 0.0).find("? left"), std::string::npos);
    EXPECT_NE(formatProgress(7500, 8460, 60.0).find("0:08 left"), std::string::npos);
}

TEST(BenchmarkReport, PercentilesAreNearestRank) {
    std::vector<double> values;
    for (int i = 1; i <= 100; ++i) values.push_back(i);
    EXPECT_EQ(percentile(values, 0.5), 50.0);
    EXPECT_EQ(percentile(values, 0.9), 90.0);
    EXPECT_EQ(percentile(values, 0.99), 99.0);
    EXPECT_EQ(percentile(values, 1.0), 100.0);
    EXPECT_EQ(percentile({7.0}, 0.99), 7.0);
    EXPECT_EQ(percentile({}, 0.5), 0.0);
    EXPECT_EQ(percentile({1.0, 2.0, 3.0}, 0.5), 2.0);
}

TEST(BenchmarkReport, NamesTheSlowestFramesWithTheirPositionAndLayers) {
    std::vector<FrameSample> samples;
    for (int i = 0; i < 50; ++i) samples.push_back({i + 1, 1.0 + i % 7, i / 60.0f, 0u, 0});
    samples[20].ms = 40.0;
    samples[20].layers = (1u << 4) | (1u << 7);  // hohto and lorenz
    samples[33].ms = 30.0;
    const BenchmarkReport report = summarizeFrames(samples, 60);
    ASSERT_EQ(report.slowest.size(), static_cast<size_t>(BenchmarkReport::SLOWEST));
    EXPECT_EQ(report.slowest[0].frame, 21);
    EXPECT_EQ(report.slowest[1].frame, 34);
    EXPECT_EQ(report.maxMs, 40.0);
    EXPECT_LE(report.medianMs, report.p90Ms);
    EXPECT_LE(report.p90Ms, report.p99Ms);
    EXPECT_EQ(report.slowest[0].layers, (std::vector<std::string>{"hohto", "lorenz"}));

    BenchmarkReport withBase = report;
    withBase.emptyFrameMs = 0.5;
    const nlohmann::json json = benchmarkJson(withBase);
    EXPECT_DOUBLE_EQ(json["ratio_to_empty"]["max"].get<double>(), 80.0);
    EXPECT_EQ(json["slowest"][0]["layers"], nlohmann::json({"hohto", "lorenz"}));
    EXPECT_NE(benchmarkTable(withBase).find("hohto lorenz"), std::string::npos);
}
