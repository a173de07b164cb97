// Loading scripts from files: what each kind of line stores, how header values apply, and that
// oversized words, too many events and bad tempo values neither write outside the object nor stop reading.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "script/DemoScript.h"
#include "tests/script/LoadScript.h"

namespace {

struct LineCase {
    const char* text = "";
    int32_t eventCount = 0;
    // What the first event holds when there is one.
    int32_t kind = 0;
    int32_t timeMs = 0;
    float value = 0.0f;
    int32_t bits = 0;
    bool isOn = false;
};

TEST(ScriptLoading, EachKindOfLineStoresWhatItSays) {
    const LineCase cases[] = {
        {"12 lorenz on", 1, EVENT_LORENZ, 5760, 0.0f, 0, true},
        {"12 lorenz off", 1, EVENT_LORENZ, 5760, 0.0f, 0, false},
        {"12 lorenz On", 1, EVENT_LORENZ, 5760, 0.0f, 0, false},
        {"12 lorenz 1", 1, EVENT_LORENZ, 5760, 1.0f, 0, false},
        {"12 lorenz true\n", 1, EVENT_LORENZ, 5760, 0.0f, 0, true},
        {"4 rotateSpeed 2.5", 1, EVENT_ROTATE_SPEED, 1920, 2.5f, 0, false},
        {"4 syncPattern %x.x.", 1, EVENT_SYNC_PATTERN, 1920, 0.0f, 5, false},
        {"4 syncPattern %....", 1, EVENT_SYNC_PATTERN, 1920, 0.0f, 0, false},
        {"4 nextPiece 0", 1, EVENT_NEXT_PIECE, 1920, 0.0f, 0, false},
        // A missing argument takes the next line's first word; "lorenz" then opens a comment.
        {"4 nextPiece\n5 lorenz on\n", 1, EVENT_NEXT_PIECE, 1920, 5.0f, 0, false},
        {"1 hohto on\n3 end 0\n5 lorenz on\n", 1, EVENT_HOHTO, 480, 0.0f, 0, true},
        {"init end 0\n1 lorenz on", 1, EVENT_LORENZ, 480, 0.0f, 0, true},
        {"-1 lorenz on\n.5 lorenz on\n", 0},
        {"0.5 lorenz on", 1, EVENT_LORENZ, 240, 0.0f, 0, true},
        {"12 lorenz on # 13 hohto on\n", 1, EVENT_LORENZ, 5760, 0.0f, 0, true},
        {"12 flash on", 1, EVENT_NONE, 5760, 0.0f, 0, true},
        {"12 lorenz on 13 hohto\non", 2, EVENT_LORENZ, 5760, 0.0f, 0, true},
        {"12 Lorenz on", 1, EVENT_NONE, 5760, 0.0f, 0, true},
        // Windows line ends read like plain ones.
        {"# note\r\n12 lorenz on\r\n# note\r\n", 1, EVENT_LORENZ, 5760, 0.0f, 0, true},
        // The file ends inside an event line: the event is stored with what was there.
        {"12 lorenz", 1, EVENT_LORENZ, 5760, 0.0f, 0, false},
        {"12", 1, EVENT_NONE, 5760, 0.0f, 0, false},
        // A one-word comment line ends at its own line feed.
        {"#\n1 lorenz on", 1, EVENT_LORENZ, 480, 0.0f, 0, true},
        {"", 0},
        {"\n\n   \n", 0},
        {"# only\ninit bpm 100\ninit songfile a.ogg\n", 0},
    };
    for (const LineCase& c : cases) {
        const auto script = loadScript(c.text);
        SCOPED_TRACE(c.text);
        ASSERT_EQ(script->eventCount, c.eventCount);
        EXPECT_EQ(script->cursor, 0);
        const ScriptEvent& first = script->events[0];
        EXPECT_EQ(first.kind, c.kind);
        EXPECT_EQ(first.timeMs, c.timeMs);
        EXPECT_FLOAT_EQ(first.value, c.value);
        EXPECT_EQ(first.bits, c.bits);
        EXPECT_EQ(first.isOn, c.isOn);
    }
}

TEST(ScriptLoading, SetHeaderFillsInitialEventAndKeepsFieldsTheLaterFormLeavesAlone) {
    const auto script = loadScript("init set sync on\ninit set syncPattern %x...x\n");
    EXPECT_EQ(script->eventCount, 0);
    EXPECT_EQ(script->initialEvent.kind, EVENT_SYNC_PATTERN);
    EXPECT_EQ(script->initialEvent.bits, 17);
    EXPECT_TRUE(script->initialEvent.isOn);
    EXPECT_EQ(script->currentBits(), 17);
    EXPECT_TRUE(script->currentOn());
}

TEST(ScriptLoading, HeaderChangeBetweenEventsRetimesOnlyLaterLines) {
    const auto script =
        loadScript("1 lorenz on\ninit bpm 120\n1 lorenz off\ninit patternSpeed 2\n1:0 hohto on\n");
    ASSERT_EQ(script->eventCount, 3);
    EXPECT_EQ(script->events[0].timeMs, 480);
    EXPECT_EQ(script->events[1].timeMs, 500);
    EXPECT_EQ(script->events[2].timeMs, 4000);
    EXPECT_FLOAT_EQ(script->stepPeriod, static_cast<float>(60.0 / 120 / 2));
}

struct HeaderCase {
    const char* text = "";
    int32_t bpm = 125;
    int32_t patternLength = 16;
    int32_t patternSpeed = 4;
};

TEST(ScriptLoading, HeaderValuesStayUsable) {
    const HeaderCase cases[] = {
        {"", 125, 16, 4},
        {"init bpm 140\ninit patternLength 8\ninit patternSpeed 3", 140, 8, 3},
        {"init bpm 130x", 130, 16, 4},
        {"init bpm 0", 125, 16, 4},
        {"init bpm 140\ninit bpm -5", 140, 16, 4},
        {"init bpm abc", 125, 16, 4},
        {"init bpm 99999999999", INT32_MAX, 16, 4},
        {"init patternLength 0", 125, 1, 4},
        {"init patternLength -7", 125, 1, 4},
        {"init patternLength 100", 125, 32, 4},
        {"init patternSpeed 0", 125, 16, 4},
        {"init patternSpeed -2", 125, 16, 4},
        {"init bpm", 125, 16, 4},
    };
    for (const HeaderCase& c : cases) {
        const auto script = loadScript(c.text);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(script->bpm, c.bpm);
        EXPECT_EQ(script->patternLength, c.patternLength);
        EXPECT_EQ(script->patternSpeed, c.patternSpeed);
        EXPECT_FLOAT_EQ(script->stepPeriod, static_cast<float>(60.0 / c.bpm / c.patternSpeed));
    }
}

TEST(ScriptLoading, OffsetHeaderGivesTheSongTimeOfTheFirstBeatZeroWithout) {
    EXPECT_EQ(loadScript("init bpm 120\n1 lorenz on\n")->offsetMs, 0);
    EXPECT_EQ(loadScript("init offset 1234\n")->offsetMs, 1234);
    EXPECT_EQ(loadScript("init offset 250ms # a comment\n")->offsetMs, 250);
    EXPECT_EQ(loadScript("init offset 500\ninit offset 40\n")->offsetMs, 40) << "the last line holds";
    EXPECT_EQ(loadScript("init offset -300\n")->offsetMs, 0) << "pattern 0 cannot start before the song";
}

TEST(ScriptLoading, EveryTimeWordCountsFromTheOffsetInForceOnItsLine) {
    const auto script = loadScript(
        "init bpm 120\ninit patternSpeed 4\n0:0 sync on\ninit offset 1234\n0:0 hohto on\n1:0.5 lorenz on\n"
        "3 kumma on\ninit offset -5\n3 putki on\n");
    ASSERT_EQ(script->eventCount, 5);
    EXPECT_EQ(script->events[0].timeMs, 0) << "a line above the offset keeps its time";
    EXPECT_EQ(script->events[1].timeMs, 1234);
    EXPECT_EQ(script->events[2].timeMs, 1234 + 2250);
    EXPECT_EQ(script->events[3].timeMs, 1234 + 1500);
    EXPECT_EQ(script->events[4].timeMs, 1500);
}

TEST(ScriptLoading, TitleIsEveryWordOfItsLineUpToANote) {
    EXPECT_STREQ(loadScript("init bpm 120\n")->title, "") << "none: the player's own";
    const auto titled = loadScript("init title  Night   drive\t(take 2) # the window\n3 lorenz on\n");
    EXPECT_STREQ(titled->title, "Night drive (take 2)");
    ASSERT_EQ(titled->eventCount, 1) << "the next line is read as before";
    EXPECT_EQ(titled->events[0].timeMs, 1440);
    EXPECT_STREQ(loadScript("init title One\r\ninit bpm 60\r\n")->title, "One");
    EXPECT_EQ(loadScript("init title One\r\ninit bpm 60\r\n")->bpm, 60);
    const std::string word(30, 'w');
    const auto cut =
        loadScript("init title " + word + " " + word + " " + word + " " + word + "\n4 lorenz on\n");
    EXPECT_EQ(std::string(cut->title),
              (word + " " + word + " " + word).substr(0, DemoScript::TITLE_SIZE - 1));
    EXPECT_EQ(cut->eventCount, 1);
}

TEST(ScriptLoading, MissingFileKeepsTheDefaults) {
    const DemoScript script("/nonexistent/flashstep/script.txt");
    EXPECT_EQ(script.bpm, 125);
    EXPECT_EQ(script.patternLength, 16);
    EXPECT_STREQ(script.songfile, "");
    EXPECT_EQ(script.eventCount, 0);
    EXPECT_FLOAT_EQ(script.stepPeriod, 0.12f);
}

TEST(ScriptLoading, SongfileKeepsItsFirst79Characters) {
    const std::string name(200, 's');
    const auto script = loadScript("init songfile " + name + "\n1 lorenz on\n");
    EXPECT_EQ(std::string(script->songfile), name.substr(0, 79));
    EXPECT_EQ(script->eventCount, 1);
}

TEST(ScriptLoading, HugeWordsAreCutAndReadingGoesOn) {
    const std::string huge(10 << 20, 'x');
    const auto script = loadScript(huge + " comment " + huge + "\n" +                  // first word
                                   "1 " + huge + " on\n" +                             // keyword
                                   "2 syncPattern %" + huge + "\n" +                   // argument
                                   "init songfile " + huge + "\n" +                    // header value
                                   "3" + std::string(10 << 20, '0') + " hohto on\n" +  // time word
                                   "4 lorenz on\n");
    ASSERT_EQ(script->eventCount, 4);
    EXPECT_EQ(script->events[0].kind, EVENT_NONE);
    EXPECT_TRUE(script->events[0].isOn);
    EXPECT_EQ(script->events[1].bits, INT32_MAX);
    EXPECT_EQ(std::string(script->songfile), huge.substr(0, 79));
    EXPECT_EQ(script->events[2].timeMs, INT32_MAX);
    EXPECT_EQ(script->events[3].kind, EVENT_LORENZ);
    EXPECT_EQ(script->events[3].timeMs, 1920);
}

TEST(ScriptLoading, EventsPastTheCapacityAreReadButNotStored) {
    std::string text;
    for (int i = 0; i < 5000; ++i) text += std::to_string(i) + " lorenz on\n";
    text += "init songfile after.ogg\n1 end 0\ninit bpm 60\n";
    const auto script = loadScript(text);
    EXPECT_EQ(script->eventCount, DemoScript::MAX_EVENTS);
    EXPECT_EQ(script->events[DemoScript::MAX_EVENTS - 1].timeMs, 999 * 480);
    EXPECT_STREQ(script->songfile, "after.ogg");
    EXPECT_EQ(script->bpm, 125);
}

}  // namespace
