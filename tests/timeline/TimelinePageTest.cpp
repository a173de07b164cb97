// The timeline page in a real headless Chromium: its screenshot shows the switch
// lanes where the picture has them, its script has put every event's tooltip
// into the page, and it turns a point of the picture into pattern:beat and seconds.
#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <sstream>

#include "tests/support/Process.h"
#include "tests/timeline/ShowFolder.h"
#include "timeline/TimelineBuild.h"
#include "timeline/TimelineLayout.h"
#include "timeline/TimelinePalette.h"

namespace {

constexpr const char* CHROMIUM = "/usr/bin/chromium";

// A fresh profile each run; no network, no first-run work, no sandbox (tests may run as root).
std::string chromium(const std::string& profile, const std::string& what) {
    return std::string(CHROMIUM) +
           " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
           "--disable-background-networking"
           " --disable-component-update --disable-sync --hide-scrollbars --user-data-dir='" +
           profile + "' " + what;
}

std::string unescapeHtml(std::string text) {
    const std::pair<const char*, const char*> entities[] = {{"&quot;", "\""},       {"&lt;", "<"},
                                                            {"&gt;", ">"},          {"&#10;", "\n"},
                                                            {"&nbsp;", "\xc2\xa0"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities) {
        for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
            text.replace(at, std::strlen(entity), character);
    }
    return text;
}

// Every line of every tooltip the page's script has put into the DOM.
std::set<std::string> tooltipLines(const std::string& dom) {
    std::set<std::string> lines;
    const std::string opening = "data-tip=\"";
    for (std::size_t at = dom.find(opening); at != std::string::npos; at = dom.find(opening, at)) {
        at += opening.size();
        const std::size_t end = dom.find('"', at);
        std::stringstream tip(unescapeHtml(dom.substr(at, end - at)));
        for (std::string line; std::getline(tip, line);) lines.insert(line);
    }
    return lines;
}

int channelDistance(uint32_t a, uint32_t b) {
    int distance = 0;
    for (int shift = 0; shift < 24; shift += 8)
        distance = std::max(distance, std::abs(static_cast<int>((a >> shift) & 0xff) -
                                               static_cast<int>((b >> shift) & 0xff)));
    return distance;
}

uint32_t rgbOf(Rgb colour) {
    const auto byte = [](double v) { return static_cast<uint32_t>(std::lround(v * 255.0)); };
    return byte(colour.r) << 16 | byte(colour.g) << 8 | byte(colour.b);
}

class TimelinePage : public testing::Test {
protected:
    void SetUp() override {
        if (access(CHROMIUM, X_OK) != 0) GTEST_SKIP() << "chromium is not installed (tools/install-deps.sh)";
        ASSERT_EQ(runTimelineIn(folder.path(), "page.html").exitCode, 0);
    }

    std::string pageAddress(const std::string& fragment = "") const {
        return "'file://" + folder.file("page.html") + fragment + "'";
    }

    const ShowFolder folder{
        "init songfile data/song.wav\n# lanes\n1 palikat on\n3 palikat off\n2 hohto on # glow\n7 hohto off\n"
        "0 showImage 4\n0 fadeIn 4\n4 hideImage 4\n0 cameraDistance 5\n0 rotateSpeed 0.5\n3 flash on\n"
        "0 syncPattern %x...x...\n0 sync on\n",
        4.0};
    const Timeline timeline = timelineOfScriptFile(folder.scriptPath(), 4.0, findingsIn(folder.path()));
    const TimelineLayout layout = layoutTimeline(timeline, nullptr);
};

TEST_F(TimelinePage, EveryEventHasItsLineAndNumberAsTooltipInTheDom) {
    const ProcessResult run = runCommand(chromium(folder.file("profile-dom"), "--dump-dom " + pageAddress()),
                                         folder.file("chromium.err"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::set<std::string> tips = tooltipLines(run.out);
    ASSERT_EQ(timeline.events.size(), 12u);
    for (const TimelineEvent& event : timeline.events) {
        EXPECT_EQ(tips.count("line " + std::to_string(event.line) + ": " + event.text), 1u)
            << "line " << event.line << " among " << tips.size() << " tooltip lines";
    }
    EXPECT_EQ(tips.count("line 5: 2 hohto on # glow"), 1u);
}

TEST_F(TimelinePage, PointerPositionReadsAsPatternBeatAndSeconds) {
    const Lane* lane = layout.lane(LaneKind::Switch, 0);
    const double x = layout.plotLeft + 400.0;
    const double y = layout.laneTop(0, *lane) + 2.0;
    const std::string point = "#at=" + std::to_string(x) + "," + std::to_string(y);
    const ProcessResult run = runCommand(
        chromium(folder.file("profile-at"), "--dump-dom " + pageAddress(point)), folder.file("chromium.err"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // "pattern:beat  ·  seconds s"
    const std::string opening = "id=\"readout\">";
    const std::size_t at = run.out.find(opening);
    ASSERT_NE(at, std::string::npos) << run.out.substr(0, 300);
    std::istringstream readout(
        run.out.substr(at + opening.size(), run.out.find('<', at) - at - opening.size()));
    int pattern = -1;
    char colon = 0;
    double beat = -1.0;
    std::string dot;
    double shown = -1.0;
    std::string unit;
    readout >> pattern >> colon >> beat >> dot >> shown >> unit;
    ASSERT_EQ(colon, ':');
    EXPECT_EQ(unit, "s");
    const double seconds = 400.0 / layout.pixelsPerSecond;
    EXPECT_NEAR(shown, seconds, 0.0015);
    EXPECT_EQ(pattern, static_cast<int>(seconds / 1.92));
    EXPECT_NEAR(beat, std::fmod(seconds, 1.92) / 0.48, 0.006);
}

TEST_F(TimelinePage, ScreenshotShowsTheSwitchLanesWhereThePictureHasThem) {
    const std::string shot = folder.file("shot.png");
    const std::string size = "--window-size=1600," + std::to_string(static_cast<int>(layout.height) + 40);
    const ProcessResult run = runCommand(
        chromium(folder.file("profile-shot"), size + " --screenshot='" + shot + "' " + pageAddress()),
        folder.file("chromium.err"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> png(
        cairo_image_surface_create_from_png(shot.c_str()), cairo_surface_destroy);
    ASSERT_EQ(cairo_surface_status(png.get()), CAIRO_STATUS_SUCCESS);
    const auto pixel = [&](double x, double y) {
        const unsigned char* row = cairo_image_surface_get_data(png.get()) +
                                   static_cast<int>(y) * cairo_image_surface_get_stride(png.get());
        uint32_t value = 0;
        std::memcpy(&value, row + 4 * static_cast<int>(x), 4);
        return value & 0xffffffu;
    };
    for (std::size_t i = 0; i < timeline.switches.size(); ++i) {
        const SwitchLane& lane = timeline.switches[i];
        SCOPED_TRACE(lane.keyword);
        const Lane* place = layout.lane(LaneKind::Switch, static_cast<int32_t>(i));
        const double y = layout.laneTop(0, *place) + place->height / 2.0;
        const uint32_t colour = rgbOf(palette::switchColour(static_cast<int32_t>(i)));
        for (const Span& span : lane.spans) {
            EXPECT_LE(channelDistance(pixel(layout.xOf(0, (span.on + span.off) / 2.0), y), colour), 2);
            EXPECT_GT(channelDistance(pixel(layout.xOf(0, span.on) - 3.0, y), colour), 20);
        }
        if (lane.spans.empty()) {
            EXPECT_GT(channelDistance(pixel(layout.plotLeft + 200.0, y), colour), 20);
        }
    }
}

}  // namespace
