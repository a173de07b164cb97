// Rewriting a script's events: one table of edits and the exact bytes each must leave (or the
// refusal it must give, leaving the bytes as they were), then what the loader reads afterwards.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "script/ScriptEdit.h"
#include "script/ScriptShift.h"
#include "script/ScriptText.h"

namespace {

constexpr const char* SHOW =
    "init bpm 125\n"
    "init patternSpeed 4\n"
    "# intro\n"
    "0:0 hohto on # glow\n"
    "1:0  palikat\ton\n"
    "2:0 putki on   # pipes\n"
    "\n"
    "2:0 kumma on\n"
    "4:0 end 0\n"
    "5:0 lorenz on\n";

// The entry whose time word starts `line`.
std::size_t on(const ScriptText& script, int32_t line) {
    return static_cast<std::size_t>(script.entryOnLine(line));
}

struct EditCase {
    const char* name = "";
    std::string before;
    std::function<ScriptEditResult(const ScriptText&)> edit;
    std::string after;     // the bytes after the edit
    const char* refusal = nullptr;  // instead: part of the refusal, the bytes kept
};

TEST(ScriptEdit, RewritesOnlyWhatTheEditChanges) {
    const std::string crlf = "init bpm 125\r\n0:0 hohto on\r\n# part two\r\n1:0 palikat on # beads\r\n2:0 putki on";
    const EditCase cases[] = {
        {"a move between its neighbours rewrites the time word alone", SHOW,
         [](const ScriptText& s) { return moveEvent(s, on(s, 5), 1920 + 960); },
         "init bpm 125\ninit patternSpeed 4\n# intro\n0:0 hohto on # glow\n1:2  palikat\ton\n"
         "2:0 putki on   # pipes\n\n2:0 kumma on\n4:0 end 0\n5:0 lorenz on\n"},
        {"a move later takes the line and its comment after the last event due by then", SHOW,
         [](const ScriptText& s) { return moveEvent(s, on(s, 4), 3840); },
         "init bpm 125\ninit patternSpeed 4\n# intro\n1:0  palikat\ton\n2:0 putki on   # pipes\n\n"
         "2:0 kumma on\n2:0 hohto on # glow\n4:0 end 0\n5:0 lorenz on\n"},
        {"a move earlier goes right after the events due by then", SHOW,
         [](const ScriptText& s) { return moveEvent(s, on(s, 8), 960); },
         "init bpm 125\ninit patternSpeed 4\n# intro\n0:0 hohto on # glow\n0:2 kumma on\n1:0  palikat\ton\n"
         "2:0 putki on   # pipes\n\n4:0 end 0\n5:0 lorenz on\n"},
        {"a move onto the time of the events after it keeps its place among equals", SHOW,
         [](const ScriptText& s) { return moveEvent(s, on(s, 5), 3840); },
         "init bpm 125\ninit patternSpeed 4\n# intro\n0:0 hohto on # glow\n2:0  palikat\ton\n"
         "2:0 putki on   # pipes\n\n2:0 kumma on\n4:0 end 0\n5:0 lorenz on\n"},
        {"a move past every event stops before the end line", SHOW,
         [](const ScriptText& s) { return moveEvent(s, on(s, 4), 9600); },
         "init bpm 125\ninit patternSpeed 4\n# intro\n1:0  palikat\ton\n2:0 putki on   # pipes\n\n"
         "2:0 kumma on\n5:0 hohto on # glow\n4:0 end 0\n5:0 lorenz on\n"},
        {"a beat time stays in beats, with the fewest decimals", "0 hohto on\n12 lorenz on\n",
         [](const ScriptText& s) { return moveEvent(s, 1, 240); }, "0 hohto on\n0.5 lorenz on\n"},
        {"CRLF and a missing final line end survive a move off the last line", crlf,
         [](const ScriptText& s) { return moveEvent(s, on(s, 5), 480); },
         "init bpm 125\r\n0:0 hohto on\r\n0:1 putki on\r\n# part two\r\n1:0 palikat on # beads"},
        {"CRLF and a missing final line end survive a move onto the last line", crlf,
         [](const ScriptText& s) { return moveEvent(s, on(s, 2), 9600); },
         "init bpm 125\r\n# part two\r\n1:0 palikat on # beads\r\n2:0 putki on\r\n5:0 hohto on"},
        {"a deleted line takes its comment; blank lines stay", SHOW,
         [](const ScriptText& s) { return deleteEvents(s, {on(s, 6), on(s, 4)}); },
         "init bpm 125\ninit patternSpeed 4\n# intro\n1:0  palikat\ton\n\n2:0 kumma on\n4:0 end 0\n5:0 lorenz on\n"},
        {"deleting the last line keeps the file without a final line end", crlf,
         [](const ScriptText& s) { return deleteEvents(s, {on(s, 5)}); },
         "init bpm 125\r\n0:0 hohto on\r\n# part two\r\n1:0 palikat on # beads"},
        {"an insert goes after the events due by its time, its comment behind a #", SHOW,
         [](const ScriptText& s) { return insertEvent(s, 2400, {"sync", "on", "go"}); },
         "init bpm 125\ninit patternSpeed 4\n# intro\n0:0 hohto on # glow\n1:0  palikat\ton\n1:1 sync on # go\n"
         "2:0 putki on   # pipes\n\n2:0 kumma on\n4:0 end 0\n5:0 lorenz on\n"},
        {"an insert among equal times goes last of them", SHOW,
         [](const ScriptText& s) { return insertEvent(s, 3840, {"lorenz", "off", ""}); },
         "init bpm 125\ninit patternSpeed 4\n# intro\n0:0 hohto on # glow\n1:0  palikat\ton\n"
         "2:0 putki on   # pipes\n\n2:0 kumma on\n2:0 lorenz off\n4:0 end 0\n5:0 lorenz on\n"},
        {"an insert at the end of a file without a final line end", crlf,
         [](const ScriptText& s) { return insertEvent(s, 9600, {"lorenz", "on", ""}); },
         "init bpm 125\r\n0:0 hohto on\r\n# part two\r\n1:0 palikat on # beads\r\n2:0 putki on\r\n5:0 lorenz on"},
        {"a shift changes time words only, the end line's too, not past the end", SHOW,
         [](const ScriptText& s) { return shiftEvents(s, 1920, 1920); },
         "init bpm 125\ninit patternSpeed 4\n# intro\n0:0 hohto on # glow\n2:0  palikat\ton\n"
         "3:0 putki on   # pipes\n\n3:0 kumma on\n5:0 end 0\n5:0 lorenz on\n"},
        {"a shift back may meet an event that stays", SHOW,
         [](const ScriptText& s) { return shiftEvents(s, 3840, -1920); },
         "init bpm 125\ninit patternSpeed 4\n# intro\n0:0 hohto on # glow\n1:0  palikat\ton\n"
         "1:0 putki on   # pipes\n\n1:0 kumma on\n3:0 end 0\n5:0 lorenz on\n"},
        {"a shift back past an event that stays is refused", SHOW,
         [](const ScriptText& s) { return shiftEvents(s, 3840, -2880); }, SHOW,
         "past line 5 at 1:0 (1.92 s)"},
        {"a shift back before the song's start is refused", SHOW,
         [](const ScriptText& s) { return shiftEvents(s, 0, -1); }, SHOW, "before the song's start"},
        {"a shift keeps a beat time in beats", "init bpm 130\n1 hohto on\n1.5 lorenz on\n",
         [](const ScriptText& s) { return shiftEvents(s, 0, 60000.0 / 130); },
         "init bpm 130\n2 hohto on\n2.5 lorenz on\n"},
        {"a line holding two statements cannot move", "0:0 hohto on 0:2 lorenz on\n1:0 putki on\n",
         [](const ScriptText& s) { return moveEvent(s, 1, 2400); }, "0:0 hohto on 0:2 lorenz on\n1:0 putki on\n",
         "holds more than one statement"},
        {"but its time word can change in place", "0:0 hohto on 0:2 lorenz on\n1:0 putki on\n",
         [](const ScriptText& s) { return moveEvent(s, 1, 1440); }, "0:0 hohto on 0:3 lorenz on\n1:0 putki on\n"},
        {"no place inside a line of two statements", "0:0 hohto on 1:0 lorenz on\n",
         [](const ScriptText& s) { return insertEvent(s, 960, {"putki", "on", ""}); }, "0:0 hohto on 1:0 lorenz on\n",
         "inside line 1"},
        {"a word with a space is no word", SHOW,
         [](const ScriptText& s) { return insertEvent(s, 0, {"putki", "o n", ""}); }, SHOW, "one word"},
        {"a time word is written with the tempo in force where the line lands",
         "0:0 hohto on\ninit bpm 60\n0:0 putki on\n4 lorenz on\n",
         [](const ScriptText& s) { return moveEvent(s, 0, 2000); },
         "init bpm 60\n0:0 putki on\n0:2 hohto on\n4 lorenz on\n"},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ScriptText script(c.before);
        const ScriptEditResult result = c.edit(script);
        EXPECT_EQ(result.text, c.after);
        if (c.refusal == nullptr) {
            EXPECT_TRUE(result.done()) << result.refusal;
        } else {
            EXPECT_NE(result.refusal.find(c.refusal), std::string::npos) << result.refusal;
        }
    }
}

TEST(ScriptEdit, AMovedEventIsTakenAtItsNewTimeAndTheOthersAsBefore) {
    const ScriptText script(SHOW);
    const ScriptEditResult moved = moveEvent(script, on(script, 4), 2400);
    ASSERT_TRUE(moved.done()) << moved.refusal;
    const ScriptText after(moved.text);
    std::vector<int32_t> times;
    std::vector<std::string> keywords;
    for (const ScriptEntry& entry : after.entries()) {
        times.push_back(entry.timeMs);
        keywords.push_back(entry.keyword);
    }
    EXPECT_EQ(times, (std::vector<int32_t>{1920, 2400, 3840, 3840, 7680}));
    EXPECT_EQ(keywords, (std::vector<std::string>{"palikat", "hohto", "putki", "kumma", "end"}));
}

}  // namespace
