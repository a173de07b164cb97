// Taking due events in file order and reading the current event; stepping the sync pattern.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "script/DemoScript.h"
#include "tests/script/LoadScript.h"

namespace {

// One update of the driver: takes events until the queue answers 0.
std::vector<int32_t> takeDue(DemoScript& script, float seconds) {
    std::vector<int32_t> kinds;
    for (int32_t kind = script.nextDueEvent(seconds); kind != 0; kind = script.nextDueEvent(seconds)) {
        kinds.push_back(kind);
    }
    return kinds;
}

using Kinds = std::vector<int32_t>;

TEST(ScriptQueue, EmptyScriptNeverHasADueEvent) {
    const auto script = loadScript("# nothing\n");
    EXPECT_EQ(script->nextDueEvent(0.0f), 0);
    EXPECT_EQ(script->nextDueEvent(1e9f), 0);
    EXPECT_EQ(script->cursor, 0);
}

TEST(ScriptQueue, EventIsDueFromItsExactTimeOn) {
    const auto script = loadScript("init bpm 60\n0 hohto on\n1 lorenz on\n");
    EXPECT_EQ(takeDue(*script, 0.0f), Kinds({EVENT_HOHTO}));
    EXPECT_EQ(takeDue(*script, 0.999f), Kinds());
    EXPECT_EQ(takeDue(*script, 1.0f), Kinds({EVENT_LORENZ}));
}

TEST(ScriptQueue, SameTimeEventsComeInFileOrderWithinOneUpdate) {
    const auto script = loadScript("init bpm 60\n1 lorenz on\n1 hohto on\n1 kumma on\n");
    EXPECT_EQ(takeDue(*script, 1.5f), Kinds({EVENT_LORENZ, EVENT_HOHTO, EVENT_KUMMA}));
}

TEST(ScriptQueue, EventNotYetDueHoldsBackEarlierOnesBehindIt) {
    const auto script = loadScript("init bpm 60\n5 lorenz on\n3 hohto on\n");
    EXPECT_EQ(takeDue(*script, 4.0f), Kinds());
    EXPECT_EQ(takeDue(*script, 5.0f), Kinds({EVENT_LORENZ, EVENT_HOHTO}));
}

TEST(ScriptQueue, UnknownKindInTheMiddleEndsThePass) {
    const auto script = loadScript("1 lorenz on\n1 flash on\n1 hohto on\n");
    EXPECT_EQ(takeDue(*script, 1.0f), Kinds({EVENT_LORENZ}));
    EXPECT_EQ(script->cursor, 2);
    EXPECT_EQ(takeDue(*script, 1.0f), Kinds({EVENT_HOHTO}));
}

TEST(ScriptQueue, AccessorsDescribeInitialEventThenTheEventTakenLast) {
    const auto script = loadScript("init set rotateSpeed 7\n0 syncPattern %x...x\n1 rotateSpeed 2.5\n");
    EXPECT_FLOAT_EQ(script->currentValue(), 7.0f);
    EXPECT_EQ(script->nextDueEvent(0.0f), EVENT_SYNC_PATTERN);
    EXPECT_EQ(script->currentBits(), 17);
    EXPECT_EQ(takeDue(*script, 60.0f), Kinds({EVENT_ROTATE_SPEED}));
    for (float seconds : {60.0f, 1e6f, 0.0f}) EXPECT_EQ(script->nextDueEvent(seconds), 0);
    EXPECT_EQ(script->cursor, script->eventCount);
    EXPECT_FLOAT_EQ(script->currentValue(), 2.5f);
    EXPECT_EQ(script->currentBits(), 0);
}

TEST(ScriptQueue, EventTimeIsComparedExactlyNotRoundedToFloat) {
    // 16777217 ms has no float of its own; rounded to float it would be due at 16777216 ms.
    const auto script = loadScript("init bpm 60000\n16777217 lorenz on\n");
    ASSERT_EQ(script->events[0].timeMs, 16777217);
    EXPECT_EQ(script->nextDueEvent(16777.216f), 0);
    EXPECT_EQ(script->nextDueEvent(16777.218f), EVENT_LORENZ);
}

std::vector<int32_t> stepsOn(const DemoScript& script) {
    std::vector<int32_t> on;
    for (int32_t i = 0; i < DemoScript::SYNC_STEPS; ++i) {
        if (script.syncPattern[i]) on.push_back(i);
    }
    return on;
}

TEST(ScriptSync, PatternValueSwitchesItsBitsOnAndNegativeValuesNothing) {
    DemoScript script(nullptr);
    std::vector<int32_t> all31;
    for (int32_t i = 0; i < 31; ++i) all31.push_back(i);
    const struct {
        int32_t bits;
        std::vector<int32_t> on;
    } cases[] = {{17, {0, 4}}, {0, {}}, {-1, {}}, {INT32_MIN, {}}, {INT32_MAX, all31}, {1 << 30, {30}}};
    for (const auto& c : cases) {
        script.setSyncPattern(INT32_MAX);
        script.setSyncPattern(c.bits);
        EXPECT_EQ(stepsOn(script), c.on) << c.bits;
    }
}

TEST(ScriptSync, StepsRepeatEveryPatternLength) {
    const struct {
        const char* header;
        int32_t cycle;
    } cases[] = {
        {"", 16}, {"init patternLength 3", 3}, {"init patternLength 0", 1}, {"init patternLength 100", 32}};
    for (const auto& c : cases) {
        const auto script = loadScript(c.header);
        script->setSyncPattern(0x5A5A3C96);
        for (int32_t call = 0; call < 2 * c.cycle + 1; ++call) {
            EXPECT_EQ(script->nextSyncStep(), script->syncPattern[call % c.cycle]) << c.header << " " << call;
            EXPECT_EQ(script->syncIndex, (call + 1) % c.cycle);
        }
    }
}

TEST(ScriptSync, NewPatternContinuesFromThePositionReached) {
    DemoScript script(nullptr);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(script.nextSyncStep());
    script.setSyncPattern(1 << 3);
    EXPECT_TRUE(script.nextSyncStep());
    EXPECT_FALSE(script.nextSyncStep());
}

}  // namespace
