// The script writer: time words the player converts exactly, comments that fit the
// player's reading buffers, and events kept in time order.
#include <gtest/gtest.h>

#include <sstream>

#include "generator/ScriptBuilder.h"

TEST(ScriptTimeWord, IsPatternColonBeatInItsShortestExactForm) {
    const struct {
        ScriptTime time;
        const char* word;
    } cases[] = {{{0, 0.0}, "0:0"}, {{16, 0.0}, "16:0"}, {{15, 2.5}, "15:2.5"}, {{67, 3.875}, "67:3.875"}};
    for (const auto& c : cases) EXPECT_EQ(timeWord(c.time), c.word);
}

TEST(ScriptComment, LongTextWrapsAtSpacesIntoLinesThatFitTheReader) {
    const std::string text =
        "a comment that is far too long for one line of the script reader, so it has to be cut";
    const std::vector<std::string> lines = wrapComment(text);
    ASSERT_GT(lines.size(), 1u);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), COMMENT_WIDTH) << line;
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, text);
}

TEST(ScriptBuilder, SortsEventsByTimeKeepingTiesInTheOrderAdded) {
    ScriptBuilder s(4);
    s.section("one");
    s.event({2, 0}, "lorenz", "on");
    s.event({1, 0}, "palikat", "on");
    s.event({2, 0}, "hohto", "on");
    s.event({1, 2}, "kumma", "off");
    const std::string text = s.text({3, 0});
    const size_t palikat = text.find("1:0 palikat on"), kumma = text.find("1:2 kumma off");
    const size_t lorenz = text.find("2:0 lorenz on"), hohto = text.find("2:0 hohto on");
    ASSERT_NE(palikat, std::string::npos);
    ASSERT_NE(hohto, std::string::npos);
    EXPECT_LT(palikat, kumma);
    EXPECT_LT(kumma, lorenz);
    EXPECT_LT(lorenz, hohto);
}

TEST(ScriptBuilder, ShortNotesTrailTheirEventAndLongOnesGoOnTheLineAbove) {
    ScriptBuilder s(4);
    s.section("notes");
    s.event({0, 0}, "sync", "on", "short note");
    s.event({1, 0}, "sync", "off", "a note that is much too long to trail an event line");
    const std::string text = s.text({2, 0});
    EXPECT_NE(text.find("0:0 sync on # short note\n"), std::string::npos);
    EXPECT_NE(text.find("1:0 sync off\n"), std::string::npos);
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty()) continue;
        const size_t firstSpace = line.find(' ');
        const std::string rest = firstSpace == std::string::npos ? "" : line.substr(firstSpace);
        if (line[0] == '#') {
            EXPECT_LE(rest.size() + 1, 39u) << line;  // rest of the line with its line feed
        }
    }
}

TEST(ScriptBuilder, EndsWithAnEndLineAfterTheLastEvent) {
    ScriptBuilder s(4);
    s.header("bpm", "125");
    s.section("only");
    s.event({5, 0}, "lorenz", "off");
    const std::string text = s.text({6, 0});
    EXPECT_EQ(text.rfind("6:0 end 0\n"), text.size() - std::string("6:0 end 0\n").size());
    EXPECT_LT(text.find("init bpm 125"), text.find("5:0 lorenz off"));
}

TEST(ScriptBuilderDeathTest, ASectionStartingBeforeThePreviousOneEndedIsAFault) {
    ScriptBuilder s(4);
    s.section("first");
    s.event({4, 0}, "lorenz", "on");
    s.section("second");
    s.event({3, 0}, "lorenz", "off");
    EXPECT_DEATH(s.text({8, 0}), "starts too early");
}
