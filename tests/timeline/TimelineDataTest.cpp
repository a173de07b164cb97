// The timeline's data from small scripts: switch spans at the times events take
// effect in the queue's file order, each event's line and words, picture lanes with
// fade lengths, and camera jumps on the 60 fps schedule; pictures named by their files.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "script/DemoScript.h"
#include "script/EventWords.h"
#include "tests/timeline/ShowFolder.h"
#include "timeline/PictureNaming.h"
#include "timeline/ScriptLines.h"
#include "timeline/TimelineBuild.h"
#include "timeline/TimelineJson.h"
#include "timeline/TimelineLayout.h"

namespace {

using Spans = std::vector<std::pair<double, double>>;

const char* const SWITCH_KEYWORDS[] = {"palikat", "hohto",       "rgbhohto", "wireframe",
                                       "putki",   "kumma",       "elektro",  "lorenz",
                                       "scaled",  "titleImages", "sync",     "randomCamera"};

nlohmann::ordered_json timelineOf(const std::string& script, double songSeconds) {
    const ShowFolder folder(script);
    return timelineJson(timelineOfScriptFile(folder.scriptPath(), songSeconds));
}

void expectSpans(const nlohmann::ordered_json& spans, const Spans& expected) {
    ASSERT_EQ(spans.size(), expected.size()) << spans.dump();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(spans[i][0].get<double>(), expected[i].first, 1e-9) << spans.dump();
        EXPECT_NEAR(spans[i][1].get<double>(), expected[i].second, 1e-9) << spans.dump();
    }
}

struct SpanCase {
    const char* what;
    const char* script;
    double songSeconds;
    std::vector<std::pair<const char*, Spans>> layers;  // all others must be empty
};

// A beat is 0.48 s at the default 125 bpm.
TEST(TimelineData, SwitchSpansFollowTheTimesEventsTakeEffect) {
    const SpanCase cases[] = {
        {"an event waits for an earlier-listed later one",
         "4 hohto on\n2 palikat on\n6 palikat off\n",
         10.0,
         {{"hohto", {{1.92, 10.0}}}, {"palikat", {{1.92, 2.88}}}}},
        {"a repeated on keeps the span open",
         "1 kumma on\n2 kumma on\n3 kumma off\n4 kumma off\n5 kumma on\n",
         10.0,
         {{"kumma", {{0.48, 1.44}, {2.4, 10.0}}}}},
        {"true is on, anything else off",
         "1 lorenz true\n2 lorenz On\n3 lorenz on\n4 lorenz 1\n",
         10.0,
         {{"lorenz", {{0.48, 0.96}, {1.44, 1.92}}}}},
        {"an unknown keyword between changes nothing",
         "1 elektro on\n2 flash off\n3 elektro off\n",
         10.0,
         {{"elektro", {{0.48, 1.44}}}}},
        {"on and off in the same moment are never seen",
         "2 putki on\n2 putki off\n3 sync on\n1 sync off\n",
         10.0,
         {}},
        {"a switch on after the song's end opens nothing",
         "1 scaled on\n30 randomCamera on\n",
         10.0,
         {{"scaled", {{0.48, 10.0}}}}},
        {"without a song, spans close at the last event",
         "1 titleImages on\n8 wireframe on\n",
         -1.0,
         {{"titleImages", {{0.48, 3.84}}}}},
    };
    for (const SpanCase& c : cases) {
        SCOPED_TRACE(c.what);
        const nlohmann::ordered_json json = timelineOf(c.script, c.songSeconds);
        const nlohmann::ordered_json& layers = json.at("layers");
        EXPECT_EQ(layers.size(), std::size(SWITCH_KEYWORDS));
        for (const char* keyword : SWITCH_KEYWORDS) {
            SCOPED_TRACE(keyword);
            ASSERT_TRUE(layers.contains(keyword));
            Spans expected;
            for (const auto& [name, spans] : c.layers) {
                if (std::string(name) == keyword) expected = spans;
            }
            expectSpans(layers.at(keyword), expected);
        }
    }
}

TEST(TimelineData, EventsKeepTheirLineWordsAndEffectTime) {
    // Windows line ends, a trailing comment, a missing argument that takes the next
    // line's first word (the rest of that line is then a comment), and a tempo change.
    const std::string script =
        "# tempo\r\ninit bpm 120\r\ninit songfile data/song.ogg\r\n4 hohto on # glow\r\n\r\n2 lorenz\r\n"
        "3 palikat on\r\ninit bpm 60\r\n1\tcameraDistance 7\r\n9 end 0\r\n10 kumma on\r\n";
    const nlohmann::ordered_json json = timelineOf(script, 30.0);
    EXPECT_EQ(json.at("song"), (nlohmann::ordered_json{{"file", "data/song.ogg"}, {"seconds", 30.0}}));
    EXPECT_EQ(
        json.at("tempo"),
        (nlohmann::ordered_json{{"bpm", 60}, {"patternLength", 16}, {"patternSpeed", 4}, {"offsetMs", 0}}));
    const nlohmann::ordered_json expected = nlohmann::ordered_json::parse(R"([
        {"line": 4, "seconds": 2.0, "keyword": "hohto", "argument": "on", "known": true},
        {"line": 6, "seconds": 2.0, "keyword": "lorenz", "argument": "3", "known": true},
        {"line": 9, "seconds": 2.0, "keyword": "cameraDistance", "argument": "7", "known": true}])");
    EXPECT_EQ(json.at("events"), expected);

    const ShowFolder folder(script);
    const std::vector<ScriptLine> lines = locateEventLines(folder.scriptPath());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, "4 hohto on # glow");
    EXPECT_EQ(lines[2].text, "1 cameraDistance 7");
}

TEST(TimelineData, LocatedLinesAgreeWithTheLoaderOnTheGeneratedShow) {
    const std::string path = std::string(FLASHSTEP_BINARY_DIR) + "/data/script.txt";
    const auto script = std::make_unique<DemoScript>(path.c_str());
    const std::vector<ScriptLine> lines = locateEventLines(path);
    ASSERT_GT(script->eventCount, 100);
    ASSERT_EQ(static_cast<int32_t>(lines.size()), script->eventCount);
    for (int32_t i = 0; i < script->eventCount; ++i) {
        const ScriptLine& line = lines[static_cast<std::size_t>(i)];
        SCOPED_TRACE(line.text);
        EXPECT_EQ(eventKindOf(line.keyword.c_str()), script->events[i].kind);
        EXPECT_NE(line.text.find(line.keyword + " " + line.argument), std::string::npos);
        if (i > 0) {
            EXPECT_GT(line.line, lines[static_cast<std::size_t>(i) - 1].line);
        }
    }
}

TEST(TimelineData, PictureLanesShowSpansModesAndFadesOfTheirLength) {
    // fadeSpeed 1 at 125 bpm: a whole fade lasts two beats, 0.96 s; a new fade cuts the one before.
    const nlohmann::ordered_json json = timelineOf(
        "0 fadeSpeed 1\n0 showImage 3\n0 fadeIn 3\n1 imageZoom 3\n1 fadeOut 3\n4 hideImage 3\n5 nextPiece 0\n"
        "6 previousPiece 25\n",
        4.0);
    const nlohmann::ordered_json& pictures = json.at("pictures");
    EXPECT_EQ(pictures.size(), 2u) << "picture 25 has no slot in the overlay";
    const nlohmann::ordered_json& three = pictures.at("3");
    expectSpans(three.at("shown"), {{0.0, 1.92}});
    EXPECT_EQ(three.at("modes"), nlohmann::ordered_json::parse(R"([{"mode": "still", "on": 0.0, "off": 0.48},
                                                              {"mode": "zoom", "on": 0.48, "off": 4.0}])"));
    std::vector<std::pair<std::string, double>> fades;
    for (const auto& mark : three.at("marks")) {
        if (mark.contains("until"))
            fades.emplace_back(mark.at("mark"),
                               mark.at("until").get<double>() - mark.at("seconds").get<double>());
    }
    ASSERT_EQ(fades.size(), 2u);
    EXPECT_EQ(fades[0].first, "fadeIn");
    EXPECT_NEAR(fades[0].second, 0.48, 1e-6);
    EXPECT_EQ(fades[1].first, "fadeOut");
    EXPECT_NEAR(fades[1].second, 0.96, 1e-6);
    // The scene starts the grain picture flickering.
    EXPECT_EQ(pictures.at("0").at("modes")[0].at("mode"), "flicker");
}

struct JumpCase {
    const char* what;
    const char* script;
    std::vector<int64_t> frames;
};

// Steps are 0.12 s; frame k starts at round(k * 1000 / 60) ms.
TEST(TimelineData, CameraJumpsFallOnTheFrameScheduleAsTheQueueAllows) {
    const JumpCase cases[] = {
        {"every 16th step while sync is on; the frame's events come before its step",
         "0 syncPattern %x...............\n0 sync on\n8 sync off\n",
         {0, 116}},
        {"an unknown keyword ends the frame's pass: sync comes on a frame late and misses step 0",
         "0 flash on\n0 sync on\n0 syncPattern %x...............\n",
         {8, 123}},
        {"while sync is off the pattern stands still: step 17 plays pattern step 2",
         "0 syncPattern %x.x.............\n0 sync on\n0.5 sync off\n4.25 sync on\n",
         {0, 123}},
        {"the steps count from the offset: 0.5 s and 16 steps on",
         "init offset 500\n0 syncPattern %x...............\n0 sync on\n",
         {30, 146}},
    };
    for (const JumpCase& c : cases) {
        SCOPED_TRACE(c.what);
        const nlohmann::ordered_json json = timelineOf(c.script, 3.0);
        std::vector<int64_t> frames;
        for (const auto& jump : json.at("jumps")) {
            frames.push_back(jump.at("frame").get<int64_t>());
            EXPECT_EQ(jump.at("seconds").get<double>(), std::round(frames.back() * 1000.0 / 60.0) / 1000.0);
        }
        EXPECT_EQ(frames, c.frames);
    }
}

}  // namespace

namespace {

TEST(TimelineData, PicturesAreNamedByTheirFileAsTheScriptHasIt) {
    const ShowFolder folder("init picture 3 art/my-logo.png\n0 showImage 3\n0 showImage 9\n");
    const Timeline timeline = timelineOfScriptFile(folder.scriptPath(), 4.0);
    const nlohmann::ordered_json pictures = timelineJson(timeline).at("pictures");
    EXPECT_EQ(pictures.at("3").at("file"), "art/my-logo.png");
    EXPECT_EQ(pictures.at("9").at("file"), "data/tekstit2.jpg") << "a slot the script names no file for";
    std::vector<std::string> labels;
    for (const Lane& lane : layoutTimeline(timeline, nullptr).lanes) {
        if (lane.kind == LaneKind::Picture) labels.push_back(lane.label);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"3 my-logo.png", "9 tekstit2.jpg"}));
    EXPECT_EQ(pictureLabel(12, "data/a-very-long-name-of-words.png"), "12 a-very-l\xE2\x80\xA6words.png");
    const std::string umlauts =
        "x/\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4.jpg";
    EXPECT_EQ(pictureLabel(5, umlauts, 10), "5 \xC3\xA4\xC3\xA4\xE2\x80\xA6.jpg")
        << "never splits a character";
    EXPECT_EQ(pictureLabel(5, umlauts, 12), "5 \xC3\xA4\xC3\xA4\xE2\x80\xA6\xC3\xA4.jpg")
        << "never splits a character";
}

}  // namespace
