// The timeline picture: the PNG's size and its switch lanes drawn exactly where
// spans are on, rows that wrap for long songs, labels that never overlap, every
// output form, and the command's refusals naming the file at fault.
#include <cairo.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>

#include "tests/support/Files.h"
#include "tests/timeline/ShowFolder.h"
#include "timeline/TimelineBuild.h"
#include "timeline/TimelineFonts.h"
#include "timeline/TimelineLayout.h"
#include "timeline/TimelinePalette.h"

namespace {

struct SurfaceFree {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Png = std::unique_ptr<cairo_surface_t, SurfaceFree>;

uint32_t rgbAt(cairo_surface_t* png, int x, int y) {
    const unsigned char* row = cairo_image_surface_get_data(png) + y * cairo_image_surface_get_stride(png);
    uint32_t pixel = 0;
    std::memcpy(&pixel, row + 4 * x, 4);
    return pixel & 0xffffffu;
}

uint32_t rgbOf(Rgb colour) {
    const auto byte = [](double v) { return static_cast<uint32_t>(std::lround(v * 255.0)); };
    return byte(colour.r) << 16 | byte(colour.g) << 8 | byte(colour.b);
}

const char* const SPAN_SCRIPT =
    "init songfile data/song.wav\n1 palikat on\n3 palikat off\n5 palikat on\n2 hohto on\n7 hohto off\n";

TEST(TimelinePicture, PngIsFullWidthAndLanesAreDrawnExactlyWhereSpansAreOn) {
    const ShowFolder folder(SPAN_SCRIPT, 4.0);
    ASSERT_EQ(runTimelineIn(folder.path(), "out.png").exitCode, 0);
    const Png png(cairo_image_surface_create_from_png(folder.file("out.png").c_str()));
    ASSERT_EQ(cairo_surface_status(png.get()), CAIRO_STATUS_SUCCESS);

    const Timeline timeline = timelineOfScriptFile(folder.scriptPath(), 4.0, findingsIn(folder.path()));
    const TimelineLayout layout = layoutTimeline(timeline, nullptr);
    EXPECT_EQ(cairo_image_surface_get_width(png.get()), 1600);
    EXPECT_EQ(cairo_image_surface_get_height(png.get()), static_cast<int>(std::ceil(layout.height)));
    ASSERT_EQ(layout.rows.size(), 1u);

    const double pixel = 1.0 / layout.pixelsPerSecond;
    for (std::size_t lane = 0; lane < timeline.switches.size(); ++lane) {
        const SwitchLane& spans = timeline.switches[lane];
        SCOPED_TRACE(spans.keyword);
        const Lane* place = layout.lane(LaneKind::Switch, static_cast<int32_t>(lane));
        ASSERT_NE(place, nullptr);
        const int y = static_cast<int>(layout.laneTop(0, *place) + place->height / 2.0);
        const uint32_t colour = rgbOf(palette::switchColour(static_cast<int32_t>(lane)));
        int drawn = 0;
        for (int x = static_cast<int>(layout.plotLeft); x < static_cast<int>(layout.plotRight); ++x) {
            const double t = layout.rows[0].from + (x + 0.5 - layout.plotLeft) * pixel;
            bool inside = false;
            bool near = false;
            for (const Span& span : spans.spans) {
                inside = inside || (t > span.on + pixel && t < span.off - pixel);
                near = near || (t > span.on - pixel && t < span.off + pixel);
            }
            if (inside) {
                EXPECT_EQ(rgbAt(png.get(), x, y), colour) << "x " << x;
            }
            if (!near) {
                EXPECT_NE(rgbAt(png.get(), x, y), colour) << "x " << x;
            }
            drawn += inside ? 1 : 0;
        }
        EXPECT_EQ(drawn > 0, spans.keyword == "palikat" || spans.keyword == "hohto");
    }
}

TEST(TimelinePicture, TheGridCountsFromTheOffsetAndShowsStepsWhenZoomedIn) {
    // 4 s of song on 1600 pixels: a step (0.12 s) is tens of pixels wide.
    const ShowFolder folder("init songfile data/song.wav\ninit offset 500\n0 hohto on\n", 4.0);
    ASSERT_EQ(runTimelineIn(folder.path(), "grid.png").exitCode, 0);
    const Png png(cairo_image_surface_create_from_png(folder.file("grid.png").c_str()));
    ASSERT_EQ(cairo_surface_status(png.get()), CAIRO_STATUS_SUCCESS);
    const Timeline timeline = timelineOfScriptFile(folder.scriptPath(), 4.0, findingsIn(folder.path()));
    ASSERT_EQ(timeline.tempo.offsetMs, 500);
    const TimelineLayout layout = layoutTimeline(timeline, nullptr);
    const Lane* lane = layout.lane(LaneKind::Switch, 0);  // palikat: never on, never striped
    ASSERT_NE(lane, nullptr);
    const int y = static_cast<int>(layout.laneTop(0, *lane) + lane->height / 2.0);
    auto colourAt = [&](double seconds) {
        return rgbAt(png.get(), static_cast<int>(std::lround(layout.xOf(0, seconds))), y);
    };
    EXPECT_EQ(colourAt(0.5), rgbOf(palette::PATTERN_LINE));
    EXPECT_EQ(colourAt(0.5 + 1.92), rgbOf(palette::PATTERN_LINE));
    EXPECT_EQ(colourAt(0.5 + 0.48), rgbOf(palette::BEAT_LINE));
    EXPECT_EQ(colourAt(0.5 + 0.12), rgbOf(palette::STEP_LINE));
    for (const double none : {1.92, 0.5 - 0.06}) {
        SCOPED_TRACE(none);  // pattern 1 without the offset; between two steps
        for (const Rgb line : {palette::PATTERN_LINE, palette::BEAT_LINE, palette::STEP_LINE})
            EXPECT_NE(colourAt(none), rgbOf(line));
    }
}

TEST(TimelinePicture, LongSongsWrapIntoRowsOfWholePatterns) {
    const ShowFolder folder("0 hohto on\n");
    const double pattern = 1.92;
    for (const auto& [seconds, rows] :
         std::map<double, std::size_t>{{150.0, 1}, {180.0, 1}, {450.0, 3}, {1200.0, 6}}) {
        SCOPED_TRACE(seconds);
        const TimelineLayout layout =
            layoutTimeline(timelineOfScriptFile(folder.scriptPath(), seconds), nullptr);
        ASSERT_EQ(layout.rows.size(), rows);
        EXPECT_NEAR(std::remainder(layout.secondsPerRow, pattern), 0.0, 1e-9);
        EXPECT_GE(layout.rows.back().to, seconds);
        EXPECT_LT(layout.rows.back().from, seconds);
    }
}

TEST(TimelinePicture, LabelsNeverOverlapAndStayInsideThePlot) {
    // Forty labelled events and a pattern change every few steps, crowded into eight beats.
    std::string script;
    for (int i = 0; i < 40; ++i)
        script += std::to_string(i * 0.2) + " cameraDistance " + std::to_string(i) + "\n";
    for (int i = 0; i < 8; ++i) script += std::to_string(i) + " syncPattern %x.x.x.x.x.x.x.x.\n";
    const ShowFolder folder(script);
    const TimelineLayout layout = layoutTimeline(timelineOfScriptFile(folder.scriptPath(), 6.0), nullptr);
    std::map<std::pair<int32_t, double>, std::vector<std::pair<double, double>>> lines;
    const fonts::TextMeasure measure;
    for (const PlacedLabel& label : layout.labels) {
        const double width = measure.width(label.text, fonts::LABEL_SIZE);
        EXPECT_GE(label.left, layout.plotLeft);
        EXPECT_LE(label.left + width, layout.plotRight);
        lines[{label.row, label.baseline}].emplace_back(label.left, label.left + width);
    }
    EXPECT_GT(layout.labels.size(), 10u);
    for (auto& [line, extents] : lines) {
        std::sort(extents.begin(), extents.end());
        for (std::size_t i = 1; i < extents.size(); ++i) EXPECT_GT(extents[i].first, extents[i - 1].second);
    }
}

TEST(TimelinePicture, FindingsWithATimeGetAMarkerLabelAndTooltip) {
    const ShowFolder folder("1 hohto on\n2 flash on\n");
    const Finding timed{"data/script.txt", 2,   3, Severity::Warning, "unknown-keyword",
                        "no such keyword", 0.96};
    const Finding whole{"data/coords.txt", 0, 0, Severity::Error, "missing-file", "cannot be read", -1.0};
    const Timeline timeline = timelineOfScriptFile(folder.scriptPath(), 4.0, {timed, whole});
    const TimelineLayout layout = layoutTimeline(timeline, nullptr);
    const Lane* lane = layout.lane(LaneKind::Findings);
    ASSERT_NE(lane, nullptr);
    std::vector<const PlacedLabel*> labels;
    for (const PlacedLabel& label : layout.labels) {
        if (label.kind == LabelKind::Finding) labels.push_back(&label);
    }
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0]->text, "unknown-keyword");
    EXPECT_NEAR(labels[0]->left, layout.xOf(0, 0.96) + 3.0, 1e-9);
    std::vector<HitBox> boxes;
    for (const HitBox& hit : layout.hits) {
        if (hit.y == layout.laneTop(0, *lane)) boxes.push_back(hit);
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].tip, "data/script.txt:2:3: warning: no such keyword [unknown-keyword]");
    EXPECT_NEAR(boxes[0].x + boxes[0].width / 2.0, layout.xOf(0, 0.96), 1e-9);
}

TEST(TimelineCommand, WritesEveryFormAndAddsAFrameCostLaneFromAReport) {
    const ShowFolder folder(SPAN_SCRIPT, 4.0);
    for (const char* name : {"t.png", "t.svg", "t.pdf", "t.html", "t.json"}) {
        EXPECT_EQ(runTimelineIn(folder.path(), name).exitCode, 0) << name;
    }
    EXPECT_EQ(readFile(folder.file("t.pdf")).rfind("%PDF", 0), 0u);
    EXPECT_NE(readFile(folder.file("t.svg")).find("width=\"1600px\""), std::string::npos);
    EXPECT_NE(readFile(folder.file("t.html")).find("<svg"), std::string::npos);
    EXPECT_EQ(nlohmann::json::parse(readFile(folder.file("t.json"))).at("song").at("seconds"), 4.0);

    const std::string report = R"({"frames": 240, "empty_frame_ms": 1.0,
        "frame_ms": {"median": 5.0, "p90": 8.0, "p99": 9.5, "max": 12.0},
        "slowest": [{"frame": 120, "position_s": 2.0, "ms": 12.0, "pictures": 1, "layers": ["palikat", "hohto"]}]})";
    writeFile(folder.file("bench.json"), report);
    ASSERT_EQ(runTimelineIn(folder.path(), "b.png", "bench.json").exitCode, 0);
    const Png plain(cairo_image_surface_create_from_png(folder.file("t.png").c_str()));
    const Png costed(cairo_image_surface_create_from_png(folder.file("b.png").c_str()));
    EXPECT_GT(cairo_image_surface_get_height(costed.get()), cairo_image_surface_get_height(plain.get()));
}

TEST(TimelineCommand, RefusesWithExitCodeOneAndNamesTheFileAtFault) {
    const ShowFolder folder(SPAN_SCRIPT, 4.0);
    const ShowFolder empty("");
    std::remove(empty.scriptPath().c_str());
    writeFile(folder.file("broken.json"), "{\"frames\": 3}");
    const struct {
        std::string folder, out, bench, named;
    } cases[] = {
        {folder.path(), "timeline.gif", "", "timeline.gif"},
        {folder.path(), "timeline", "", "timeline"},
        {folder.path(), "/nonexistent-dir/t.png", "", "/nonexistent-dir/t.png"},
        {folder.path(), "/nonexistent-dir/t.svg", "", "/nonexistent-dir/t.svg"},
        {folder.path(), "/nonexistent-dir/t.pdf", "", "/nonexistent-dir/t.pdf"},
        {folder.path(), "/nonexistent-dir/t.html", "", "/nonexistent-dir/t.html"},
        {folder.path(), "/nonexistent-dir/t.json", "", "/nonexistent-dir/t.json"},
        {folder.path(), "t.png", "missing.json", "missing.json"},
        {folder.path(), "t.png", "broken.json", "broken.json"},
        {empty.path(), "t.png", "", "data/script.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out + " " + c.bench);
        const CommandRun run = runTimelineIn(c.folder, c.out, c.bench);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("\"" + c.named + "\""), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::ifstream(folder.file("t.png")).good()) << "nothing is written after a bad report";
}

// The page's embedded data, read as JSON: it must be valid UTF-8 for that.
nlohmann::json pageData(const std::string& page) {
    const std::string opening = "type=\"application/json\">";
    const size_t from = page.find(opening) + opening.size();
    return nlohmann::json::parse(page.substr(from, page.find("</script>", from) - from));
}

// A limit on the size of any file this process writes, for as long as it lives;
// a write past it then fails (EFBIG) instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &before_);
        rlimit limited = before_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, SIG_DFL);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit before_{};
};

}  // namespace

TEST(TimelineCommand, StrayBytesReachNoOutputAndNoTerminalAsTheyAre) {
    // An escape sequence that would retitle the terminal in the song's name, bytes that are no
    // UTF-8 in a comment, an event's argument and the name.
    const ShowFolder folder(
        "init songfile data/\x1b]0;TITLE\x07\xff.wav\n"
        "# comment \xfe\xff\n"
        "1 palikat on # \xc3\x28\n"
        "2 showImage 1\xe2\x82\n");
    for (const char* name : {"t.png", "t.svg", "t.pdf", "t.html", "t.json"}) {
        SCOPED_TRACE(name);
        const CommandRun run = runTimelineIn(folder.path(), name);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err.find_first_of("\x1b\x07"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("data/\\x1b]0;TITLE\\x07"), std::string::npos) << run.err;
    }
    const nlohmann::json json = nlohmann::json::parse(readFile(folder.file("t.json")));
    EXPECT_EQ(json.at("song").at("file"), "data/\x1b]0;TITLE\x07\xef\xbf\xbd.wav");
    EXPECT_EQ(pageData(readFile(folder.file("t.html"))).at("timeline"), json);
}

TEST(TimelineCommand, AFailedWriteKeepsTheOldFileAndLeavesNoOther) {
    const ShowFolder folder(SPAN_SCRIPT, 4.0);
    for (const char* name : {"t.png", "t.svg", "t.pdf", "t.html", "t.json"}) {
        SCOPED_TRACE(name);
        writeFile(folder.file(name), "the timeline before");
        CommandRun run;
        {
            const FileSizeLimit limit(512);
            run = runTimelineIn(folder.path(), name);
        }
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("\"" + std::string(name) + "\""), std::string::npos) << run.err;
        EXPECT_EQ(readFile(folder.file(name)), "the timeline before");
        std::filesystem::remove(folder.file(name));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "data/ alone";
    }
}
