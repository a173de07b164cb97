// The pure pieces of capture at any size and in ranges: where the picture lies in a
// frame, the range tag, splitting a capture, the concat list's lengths, ffprobe's
// report and the checks that refuse parts a copy-join would get wrong.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/PictureArea.h"
#include "offscreen/Join.h"
#include "offscreen/JoinFormat.h"
#include "offscreen/PartProbe.h"
#include "offscreen/RangeSplit.h"
#include "offscreen/RangeTag.h"

namespace {

// The durations of a concat list, in microseconds.
std::vector<long long> durationsIn(const std::string& list) {
    std::vector<long long> durations;
    size_t at = 0;
    while ((at = list.find("duration ", at)) != std::string::npos) {
        at += 9;
        const size_t dot = list.find('.', at);
        durations.push_back(std::stoll(list.substr(at, dot - at)) * 1000000 +
                            std::stoll(list.substr(dot + 1, 6)));
    }
    return durations;
}

VideoPart partOf(int64_t first, int64_t frames) {
    VideoPart part;
    part.codec = "h264";
    part.width = 1280;
    part.height = 960;
    part.pixelFormat = "yuv420p";
    part.setupHash = "CRC32:6982e6af";
    part.frames = frames;
    part.rateNumerator = 60;
    part.seconds = static_cast<double>(frames) / 60.0;
    part.range = CapturedRange{first, frames, 60};
    return part;
}

}  // namespace

TEST(PictureArea, TheFourThreePictureFitsTheFrameCentredWithBars) {
    struct Case {
        int32_t width, height, x, y, pictureWidth, pictureHeight;
        float scale;
        bool bars;
    };
    for (const Case& c :
         {Case{640, 480, 0, 0, 640, 480, 1.0f, false}, Case{1280, 960, 0, 0, 1280, 960, 2.0f, false},
          Case{1920, 1080, 240, 0, 1440, 1080, 2.25f, true}, Case{3840, 2160, 480, 0, 2880, 2160, 4.5f, true},
          Case{800, 480, 80, 0, 640, 480, 1.0f, true}, Case{640, 600, 0, 60, 640, 480, 1.0f, true},
          Case{1000, 1000, 0, 125, 1000, 750, 1.5625f, true},
          Case{1366, 768, 171, 0, 1024, 768, 1.6f, true}}) {
        const PictureArea area = pictureAreaIn(c.width, c.height);
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        EXPECT_EQ(area.x, c.x);
        EXPECT_EQ(area.y, c.y);
        EXPECT_EQ(area.width, c.pictureWidth);
        EXPECT_EQ(area.height, c.pictureHeight);
        EXPECT_FLOAT_EQ(area.scale, c.scale);
        EXPECT_EQ(area.bars, c.bars);
        EXPECT_EQ(area.isPlainScreen(), c.width == 640 && c.height == 480);
    }
}

TEST(RangeTag, ReadsBackWhatItWritesAndNothingElse) {
    const CapturedRange range{8100, 375, 60};
    EXPECT_EQ(rangeTag(range), "flashstep frames=8100+375 fps=60");
    const std::optional<CapturedRange> read = parseRangeTag(rangeTag(range));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->firstFrame, 8100);
    EXPECT_EQ(read->frames, 375);
    EXPECT_EQ(read->fps, 60u);
    for (const char* foreign :
         {"", "Lavf59.27.100", "flashstep frames=1+2 fps=60 ", "flashstep frames=-1+2 fps=60",
          "flashstep frames=1+0 fps=60", "flashstep frames=01+2 fps=60", "flashstep frames=1+2 fps=0",
          "flashstep frames=1+2"}) {
        EXPECT_FALSE(parseRangeTag(foreign).has_value()) << foreign;
    }
}

TEST(RangeSplit, RangesMeetExactlyAndShareTheFramesEvenly) {
    const CapturedRange whole{100, 1001, 60};
    const std::vector<CapturedRange> ranges = splitRange(whole, 7);
    ASSERT_EQ(ranges.size(), 7u);
    int64_t next = whole.firstFrame;
    for (const CapturedRange& range : ranges) {
        EXPECT_EQ(range.firstFrame, next);
        EXPECT_GE(range.frames, 1001 / 7);
        EXPECT_LE(range.frames, 1001 / 7 + 1);
        EXPECT_EQ(range.fps, 60u);
        next = range.endFrame();
    }
    EXPECT_EQ(next, whole.endFrame());
    EXPECT_EQ(splitRange(CapturedRange{5, 3, 60}, 10).size(), 3u) << "no empty ranges";
}

TEST(JoinFormat, PartLengthsAddUpToTheWholeToTheMicrosecondHoweverManyParts) {
    std::vector<JoinPiece> pieces(1000, JoinPiece{"part.mp4", 61});
    const std::vector<long long> durations = durationsIn(concatList(pieces, 60));
    ASSERT_EQ(durations.size(), 1000u);
    long long sum = 0;
    for (const long long d : durations) {
        EXPECT_GE(d, 1016666);
        EXPECT_LE(d, 1016667);
        sum += d;
    }
    EXPECT_EQ(sum, 1016666667LL) << "61000 frames at 60 fps, rounded once";
    const std::string quoted = concatList({JoinPiece{"/a/it's.mp4", 1}}, 60);
    EXPECT_NE(quoted.find("file '/a/it'\\''s.mp4'"), std::string::npos) << quoted;
}

TEST(JoinChecks, OnlyAdjacentRangesOfOneEncodingJoin) {
    const std::vector<std::string> names = {"a.mp4", "b.mp4", "c.mp4"};
    CapturedRange whole;
    EXPECT_EQ(partsFault({partOf(120, 60), partOf(180, 30), partOf(210, 90)}, names, CaptureKind::Mp4, whole),
              "");
    EXPECT_EQ(whole.firstFrame, 120);
    EXPECT_EQ(whole.frames, 180);

    auto faultOf = [&names, &whole](std::vector<VideoPart> parts, CaptureKind kind = CaptureKind::Mp4) {
        return partsFault(parts, names, kind, whole);
    };
    EXPECT_NE(faultOf({partOf(120, 60), partOf(181, 30)}).find("b.mp4 starts at frame 181, not at frame 180"),
              std::string::npos);
    EXPECT_NE(faultOf({partOf(180, 30), partOf(120, 60)}).find("starts at frame 120"), std::string::npos);
    VideoPart short_ = partOf(180, 30);
    short_.frames = 29;
    EXPECT_NE(faultOf({partOf(120, 60), short_}).find("holds 29 frames of the 30"), std::string::npos);
    VideoPart otherCrf = partOf(180, 30);
    otherCrf.setupHash = "CRC32:00000000";
    EXPECT_NE(faultOf({partOf(120, 60), otherCrf}).find("other settings"), std::string::npos);
    VideoPart foreign = partOf(180, 30);
    foreign.range.reset();
    EXPECT_NE(faultOf({partOf(120, 60), foreign}).find("not a range captured by flashstep"),
              std::string::npos);
    EXPECT_NE(faultOf({partOf(120, 60)}, CaptureKind::WebM).find("needs vp9"), std::string::npos);
    EXPECT_NE(faultOf({}).find("no parts"), std::string::npos);
}

TEST(JoinChecks, ATagMustAgreeWithWhatItsPartHolds) {
    const std::vector<std::string> names = {"a.mp4", "b.mp4"};
    CapturedRange whole;
    auto faultOf = [&names, &whole](const VideoPart& second) {
        return partsFault({partOf(120, 60), second}, names, CaptureKind::Mp4, whole);
    };
    VideoPart fastTag = partOf(180, 30);  // 30 frames of 60 fps video tagged at 4294967295 fps
    fastTag.range->fps = 4294967295u;
    VideoPart faraway = partOf(180, 30);  // a first frame whose song time overflows
    faraway.range->firstFrame = 9223372036854775800;
    VideoPart longer = partOf(180, 30);  // lasts two seconds, its 30 frames half of one
    longer.seconds = 2.0;
    VideoPart unknown = partOf(180, 30);  // ffprobe could tell no rate
    unknown.rateNumerator = 0;
    for (const VideoPart& part : {fastTag, faraway, longer, unknown}) {
        const std::string fault = faultOf(part);
        EXPECT_EQ(fault.rfind("b.mp4 ", 0), 0u) << fault;
        EXPECT_NE(fault.find("its tag says " + rangeTag(*part.range)), std::string::npos) << fault;
    }
    VideoPart primed = partOf(180, 30);  // the sound's priming makes a container a little longer
    primed.seconds = 0.523;
    EXPECT_EQ(faultOf(primed), "");
}

TEST(PartProbe, ReadsFfprobesReportWhateverCaseTheTagHas) {
    const std::string report = R"({"streams": [{"codec_name": "h264", "width": 1280, "height": 960,
        "pix_fmt": "yuv420p", "nb_read_packets": "90", "extradata_hash": "CRC32:6982e6af"}],
        "format": {"tags": {"ENCODER": "Lavf59.27.100", "COMMENT": "flashstep frames=1200+90 fps=60"}}})";
    VideoPart part;
    std::string error;
    ASSERT_TRUE(readProbeReport(report, part, error)) << error;
    EXPECT_EQ(part.codec, "h264");
    EXPECT_EQ(part.width, 1280);
    EXPECT_EQ(part.frames, 90);
    EXPECT_EQ(part.setupHash, "CRC32:6982e6af");
    ASSERT_TRUE(part.range.has_value());
    EXPECT_EQ(part.range->firstFrame, 1200);
    EXPECT_FALSE(readProbeReport(R"({"streams": []})", part, error));
    EXPECT_EQ(error, "it has no video stream");
}
