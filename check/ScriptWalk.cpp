// The script walk. Each statement is applied to a DemoScript by the loader's own step, so times,
// kinds and arguments are the player's; the walk only compares them with what the text says.
#include "check/ScriptWalk.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <memory>

#include "check/EventArguments.h"
#include "check/FindingCodes.h"
#include "check/HeaderChecks.h"
#include "check/NearestWord.h"
#include "check/ScriptFinding.h"
#include "check/TextSource.h"
#include "script/EventTable.h"
#include "script/EventWords.h"
#include "script/PictureNames.h"
#include "script/ScriptLoading.h"
#include "script/TakenTimes.h"
#include "script/TimeWords.h"

namespace {

constexpr const char BYTE_ORDER_MARK[] = "\xEF\xBB\xBF";

double toSeconds(int32_t ms) {
    return ms / 1000.0;
}

std::string readAs(const TimeWordReading& reading, int32_t ms) {
    const std::string numbers = reading.patternForm
                                    ? plainNumber(reading.patterns) + ":" + plainNumber(reading.beats)
                                    : plainNumber(reading.beats);
    return numbers + " (" + plainNumber(toSeconds(ms)) + " s)";
}

// A time as the author wrote it, with the seconds it stands for: "15:2 (29.76 s)".
std::string writtenAt(const std::string& word, int32_t ms) {
    return word + " (" + plainNumber(toSeconds(ms)) + " s)";
}

bool digitAfter(const char* word, char lead) {
    return word[0] == lead && std::isdigit(static_cast<unsigned char>(word[1])) != 0;
}

// The first word that is not on the statement's first line (or is missing), with the one before it.
struct Gap {
    const StatementWord* before = nullptr;
    const StatementWord* taken = nullptr;
};

Gap findGap(const StatementWord* const* words, std::size_t count) {
    for (std::size_t i = 1; i < count; ++i) {
        if (words[i]->span.length == 0 || words[i]->span.line != words[0]->span.line)
            return {words[i - 1], words[i]};
    }
    return {};
}

bool namesSlotOrRole(const ScriptStatement& header) {
    if (std::strcmp(header.key.text, "picture") == 0) return pictureSlotOf(header.value.text) >= 0;
    return textureRoleOf(header.value.text) >= 0;
}

class ScriptWalk {
public:
    explicit ScriptWalk(int32_t pictureCount) : pictureCount_(pictureCount) {}

    ScriptInspection run(const std::string& text);

private:
    void header(const ScriptStatement& statement);
    void event(const ScriptStatement& statement);
    void comment(const ScriptStatement& statement);
    void end(const ScriptStatement& statement, ScriptStatementReader& statements);
    void reportDropped(const ScriptStatement& statement);
    void checkEventWords(const ScriptStatement& statement, const ScriptEvent& stored, double seconds);
    bool reportGap(const Gap& gap, const char* missing, double seconds);
    int32_t timeEvent(const ScriptStatement& statement, int32_t timeMs, bool pastPattern);
    bool beatPastPattern(const TimeWordReading& reading) const;
    void checkTimeWord(const ScriptStatement& statement, const TimeWordReading& reading, int32_t timeMs,
                       double seconds);
    void checkKeyword(const ScriptStatement& statement, double seconds);
    void checkPatterns();

    void add(Finding finding) { inspection_.findings.push_back(std::move(finding)); }

    struct PatternAt {
        std::string pattern;
        WordSpan at;
        double seconds = 0.0;
    };

    int32_t pictureCount_ = 0;
    std::unique_ptr<DemoScript> script_ = std::make_unique<DemoScript>(nullptr);
    ScriptInspection inspection_;
    bool ended_ = false;
    bool eventsSeen_ = false;
    bool droppedReported_ = false;
    bool patternSpeedSet_ = false;
    bool defaultSpeedReported_ = false;
    bool tempoMisread_ = false;       // a tempo value above was not read whole
    TakenTimes taken_;                // when the queue takes the events stored so far
    std::size_t latestEvent_ = 0;     // which of the stored events was written at the latest time
    bool latestPastPattern_ = false;  // its beat ran past its pattern, which its own line says
    std::vector<PatternAt> patterns_;
};

ScriptInspection ScriptWalk::run(const std::string& text) {
    TextSource source(text);
    ScriptStatementReader statements(&source);
    ScriptStatement statement;
    while (!ended_ && statements.next(statement)) {
        switch (statement.kind) {
            case StatementKind::Header:
                header(statement);
                break;
            case StatementKind::Event:
                event(statement);
                break;
            case StatementKind::End:
                end(statement, statements);
                break;
            case StatementKind::Comment:
                comment(statement);
                break;
        }
    }
    if (!ended_) {
        add(scriptFinding(WordSpan{}, Severity::Note, code::NO_END,
                          "no end line: the script is read to the end of the file"));
    }
    checkPatterns();
    return std::move(inspection_);
}

// False when a word is missing: the statement took it from a later line, or the file ended.
bool ScriptWalk::reportGap(const Gap& gap, const char* missing, double seconds) {
    if (gap.taken == nullptr) return true;
    std::string message = quoted(gap.before->text) + " has no " + missing + " on its line: ";
    if (gap.taken->span.length == 0) {
        message += "the file ends there";
    } else {
        const std::string line = std::to_string(gap.taken->span.line);
        message += "it takes " + quoted(gap.taken->text) + " from line " + line + ", which throws line " +
                   line + " out of step";
    }
    add(scriptFinding(gap.before->span, Severity::Error, code::MISSING_ARGUMENT, message, seconds));
    return false;
}

void ScriptWalk::header(const ScriptStatement& statement) {
    const bool namesPicture =
        std::strcmp(statement.key.text, "picture") == 0 || std::strcmp(statement.key.text, "texture") == 0;
    const bool fourWords = namesPicture || std::strcmp(statement.key.text, "set") == 0;
    const StatementWord* words[] = {&statement.first, &statement.key, &statement.value, &statement.fourth};
    const Gap gap = findGap(words, fourWords ? 4 : 3);
    const char* missing = gap.taken == &statement.key     ? "key"
                          : gap.taken == &statement.value ? "value"
                          : namesPicture                  ? "file"
                                                          : "argument";
    const TempoValues before = tempoOf(*script_);
    applyScriptStatement(*script_, statement);
    if (std::strcmp(statement.key.text, "patternSpeed") == 0) patternSpeedSet_ = true;
    if (std::strcmp(statement.key.text, "songfile") == 0) {
        // The song the player will ask for, even when its name came from the wrong line.
        inspection_.songFile = script_->songfile;
        inspection_.songFileAt = statement.value.span;
    }
    if (!reportGap(gap, missing, -1.0)) return;
    if (checkHeader(statement, before, *script_, eventsSeen_, inspection_.findings)) tempoMisread_ = true;
    if (namesPicture && namesSlotOrRole(statement))
        inspection_.namedFiles.push_back({statement.fourth.span, statement.fourth.text});
}

// When the queue takes the event: never before one listed earlier. Lines that wait behind a beat
// past its pattern are that line's fault, and its own warning says so.
int32_t ScriptWalk::timeEvent(const ScriptStatement& statement, int32_t timeMs, bool pastPattern) {
    const int32_t takenMs = taken_.take(timeMs);
    if (takenMs == timeMs) {
        latestEvent_ = inspection_.events.size();
        latestPastPattern_ = pastPattern;
        return takenMs;
    }
    if (latestPastPattern_ || latestEvent_ >= inspection_.events.size()) return takenMs;
    const CheckedEvent& latest = inspection_.events[latestEvent_];
    add(scriptFinding(statement.first.span, Severity::Warning, code::OUT_OF_ORDER,
                      "at " + writtenAt(statement.first.text, timeMs) + ", but listed after an event at " +
                          writtenAt(latest.written, takenMs) + " on line " + std::to_string(latest.at.line) +
                          ": it waits for that one",
                      toSeconds(takenMs)));
    return takenMs;
}

bool ScriptWalk::beatPastPattern(const TimeWordReading& reading) const {
    const double beatsPerPattern = static_cast<double>(script_->patternLength) / script_->patternSpeed;
    return reading.patternForm && reading.readWhole && reading.beats >= beatsPerPattern;
}

void ScriptWalk::checkTimeWord(const ScriptStatement& statement, const TimeWordReading& reading,
                               int32_t timeMs, double seconds) {
    const StatementWord& word = statement.first;
    if (word.cut) {
        add(scriptFinding(word.span, Severity::Error, code::WORD_CUT,
                          "the time word is cut to its first " +
                              std::to_string(ScriptStatementReader::FIRST_WORD_SIZE - 1) + " characters, " +
                              quoted(word.text) + ", read as " + readAs(reading, timeMs),
                          seconds));
    } else if (!reading.readWhole) {
        add(scriptFinding(word.span, Severity::Error, code::PARTIAL_TIME,
                          quoted(word.text) + " is not read whole: it is read as " + readAs(reading, timeMs),
                          seconds));
    }
    if (beatPastPattern(reading)) {
        const double beatsPerPattern = static_cast<double>(script_->patternLength) / script_->patternSpeed;
        const double beats = reading.patterns * beatsPerPattern + reading.beats;
        const double pattern = std::floor(beats / beatsPerPattern);
        add(scriptFinding(word.span, Severity::Warning, code::BEAT_PAST_PATTERN,
                          quoted(word.text) + " has beat " + plainNumber(reading.beats) +
                              ", past the pattern's " + plainNumber(beatsPerPattern) + " beats: it is " +
                              plainNumber(pattern) + ":" + plainNumber(beats - pattern * beatsPerPattern) +
                              " (" + plainNumber(toSeconds(timeMs)) +
                              " s), and lines listed after it wait for it",
                          seconds));
    }
    if (reading.patternForm && !patternSpeedSet_ && !defaultSpeedReported_) {
        defaultSpeedReported_ = true;
        add(scriptFinding(word.span, Severity::Note, code::DEFAULT_PATTERN_SPEED,
                          "no init patternSpeed before this pattern time: " +
                              std::to_string(script_->patternSpeed) + " steps per beat are assumed",
                          seconds));
    }
}

void ScriptWalk::checkKeyword(const ScriptStatement& statement, double seconds) {
    const StatementWord& keyword = statement.key;
    if (eventKindOf(keyword.text) != EVENT_NONE) return;
    const char* candidates[EVENT_ENTRIES + 1] = {};
    for (int32_t i = 0; i < EVENT_ENTRIES; ++i) candidates[i] = EVENT_TABLE[i].keyword;
    candidates[EVENT_ENTRIES] = "end";
    const char* nearest = nearestWord(keyword.text, candidates, std::size(candidates));
    add(scriptFinding(keyword.span, Severity::Error, code::UNKNOWN_KEYWORD,
                      "unknown keyword " + quoted(keyword.text) + " (did you mean `" + nearest +
                          "`?): the event does nothing, and the events due with it wait a frame",
                      seconds));
}

void ScriptWalk::event(const ScriptStatement& statement) {
    eventsSeen_ = true;
    const int32_t index = script_->eventCount;
    applyScriptStatement(*script_, statement);
    if (index == script_->eventCount) {
        reportDropped(statement);
        return;
    }
    const ScriptEvent& stored = script_->events[index];
    const TimeWordReading reading = readTimeWord(statement.first.text);
    const bool pastPattern = beatPastPattern(reading);
    const int32_t takenMs = timeEvent(statement, stored.timeMs, pastPattern);
    const double seconds = toSeconds(takenMs);
    inspection_.events.push_back({statement.first.span, statement.first.text, stored.timeMs, takenMs,
                                  stored.kind, pictureOf(stored, pictureCount_), tempoMisread_});
    checkTimeWord(statement, reading, stored.timeMs, seconds);
    checkEventWords(statement, stored, seconds);
}

void ScriptWalk::reportDropped(const ScriptStatement& statement) {
    if (droppedReported_) return;
    droppedReported_ = true;
    add(scriptFinding(statement.first.span, Severity::Error, code::TOO_MANY_EVENTS,
                      "the show keeps " + std::to_string(DemoScript::MAX_EVENTS) +
                          " events: this one and every later one are dropped"));
}

// A word taken from a later line says nothing about its own keyword, so checking stops there.
void ScriptWalk::checkEventWords(const ScriptStatement& statement, const ScriptEvent& stored,
                                 double seconds) {
    const StatementWord* words[] = {&statement.first, &statement.key, &statement.value};
    const Gap gap = findGap(words, 3);
    if (gap.taken == &statement.key) {
        reportGap(gap, "keyword", seconds);
        return;
    }
    checkKeyword(statement, seconds);
    if (!reportGap(gap, "argument", seconds)) return;
    if (statement.value.cut) {
        add(scriptFinding(statement.value.span, Severity::Error, code::WORD_CUT,
                          "the argument is cut to its first " +
                              std::to_string(ScriptStatementReader::VALUE_WORD_SIZE - 1) + " characters",
                          seconds));
        return;
    }
    checkArgument(stored, statement.value, pictureCount_, seconds, inspection_.findings);
    if (stored.kind == EVENT_SYNC_PATTERN && isStepPattern(statement.value.text))
        patterns_.push_back({statement.value.text, statement.value.span, seconds});
}

void ScriptWalk::comment(const ScriptStatement& statement) {
    const StatementWord& word = statement.first;
    if (word.span.line == 1 && word.span.column == 1 &&
        std::strncmp(word.text, BYTE_ORDER_MARK, std::strlen(BYTE_ORDER_MARK)) == 0) {
        add(scriptFinding(word.span, Severity::Error, code::BYTE_ORDER_MARK,
                          "the file starts with a UTF-8 byte-order mark, so its first line, starting " +
                              quoted(word.text + std::strlen(BYTE_ORDER_MARK)) + ", is read as a comment"));
        return;
    }
    if (!word.span.startsLine) return;
    if (digitAfter(word.text, '-')) {
        add(scriptFinding(
            word.span, Severity::Warning, code::NEGATIVE_TIME_COMMENT,
            "a line starting with " + quoted(word.text) + " is a comment: there are no negative times"));
    } else if (digitAfter(word.text, '.')) {
        add(scriptFinding(word.span, Severity::Warning, code::DOT_TIME_COMMENT,
                          "a line starting with " + quoted(word.text) +
                              " is a comment: a time starts with a digit (write 0" + word.text + ")"));
    } else if (eventKindOf(word.text) != EVENT_NONE) {
        add(scriptFinding(
            word.span, Severity::Note, code::KEYWORD_WITHOUT_TIME,
            "the line starts with the keyword " + quoted(word.text) + " but no time: it is a comment"));
    } else if (std::strcmp(word.text, "init") != 0 && editDistance(word.text, "init") <= 1 &&
               std::strlen(word.text) >= 3) {
        add(scriptFinding(word.span, Severity::Warning, code::MISSPELLED_INIT,
                          quoted(word.text) + " is not `init`: the line is a comment"));
    }
}

// Comments after the end line are harmless; a header or event there is lost, so say so once.
void ScriptWalk::end(const ScriptStatement& statement, ScriptStatementReader& statements) {
    ended_ = true;
    ScriptStatement next;
    while (statements.next(next)) {
        if (next.kind == StatementKind::Comment) continue;
        add(scriptFinding(statement.key.span, Severity::Note, code::AFTER_END,
                          "reading stops here: line " + std::to_string(next.first.span.line) +
                              " and everything after it are never read"));
        return;
    }
}

void ScriptWalk::checkPatterns() {
    for (const PatternAt& pattern : patterns_) {
        checkStepPattern(pattern.pattern, pattern.at, script_->patternLength, pattern.seconds,
                         inspection_.findings);
    }
}

}  // namespace

ScriptInspection inspectScript(const std::string& text, int32_t pictureCount) {
    return ScriptWalk(pictureCount).run(text);
}
