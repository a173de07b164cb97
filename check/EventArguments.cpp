// Argument findings by form. Numbers are read with strtod, which is atof with an end: the check
// knows how far the loader's atof read. Switches follow the loader's isSwitchOn; a word that is
// neither a way of writing on nor one of writing off is a slip.
#include "check/EventArguments.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>

#include "check/FindingCodes.h"
#include "check/NearestWord.h"
#include "check/ScriptFinding.h"
#include "script/EventTable.h"
#include "script/EventWords.h"

namespace {

bool readsWholeAsNumber(const char* word) {
    char* end = nullptr;
    std::strtod(word, &end);
    return end != word && *end == '\0';
}

bool equalsIgnoringCase(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    }
    return *a == *b;
}

bool equalsOneOf(const char* word, std::initializer_list<const char*> words) {
    for (const char* known : words) {
        if (equalsIgnoringCase(word, known)) return true;
    }
    return false;
}

// Words an author writes for "on" that the loader reads as off.
bool looksMeantOn(const char* word) {
    return equalsOneOf(word, {"on", "true", "yes", "1"});
}

bool looksMeantOff(const char* word) {
    return equalsOneOf(word, {"off", "false", "no", "0"});
}

// Any other word is a slip: a typo, or a note's `#` standing where the value was forgotten.
std::string notASwitch(const char* word) {
    if (word[0] == '#') {
        return quoted(word) + " is read as the switch's value, so it switches off: the line has no `on` or " +
               "`off` before its note";
    }
    constexpr const char* SWITCH_WORDS[] = {"on", "off"};
    return quoted(word) + " is not a switch's value, so it switches off (did you mean `" +
           nearestWord(word, SWITCH_WORDS, std::size(SWITCH_WORDS)) + "`?)";
}

void checkSwitch(const ScriptEvent& event, const StatementWord& argument, double seconds,
                 std::vector<Finding>& findings) {
    if (event.isOn || looksMeantOff(argument.text)) return;
    if (looksMeantOn(argument.text)) {
        findings.push_back(
            scriptFinding(argument.span, Severity::Warning, code::SWITCH_LOOKS_ON,
                          quoted(argument.text) + " switches off: only `on` and `true` switch on", seconds));
        return;
    }
    findings.push_back(scriptFinding(argument.span, Severity::Error, code::NOT_A_SWITCH,
                                     notASwitch(argument.text), seconds));
}

// False (with a finding) when the word is not read whole as a number.
bool checkNumber(const ScriptEvent& event, const StatementWord& argument, double seconds,
                 std::vector<Finding>& findings) {
    if (readsWholeAsNumber(argument.text)) return true;
    findings.push_back(scriptFinding(
        argument.span, Severity::Error, code::NOT_A_NUMBER,
        quoted(argument.text) + " is not a number: it is read as " + plainNumber(event.value), seconds));
    return false;
}

void checkPicture(const ScriptEvent& event, const StatementWord& argument, int32_t pictureCount,
                  double seconds, std::vector<Finding>& findings) {
    if (!checkNumber(event, argument, seconds, findings) || pictureOf(event, pictureCount) >= 0) return;
    findings.push_back(scriptFinding(argument.span, Severity::Error, code::PICTURE_INDEX,
                                     "there is no picture " + plainNumber(event.value) +
                                         ": the overlay's pictures are 0 to " +
                                         std::to_string(pictureCount - 1) + ", so the event does nothing",
                                     seconds));
}

void checkPatternForm(const StatementWord& argument, double seconds, std::vector<Finding>& findings) {
    if (isStepPattern(argument.text)) return;
    findings.push_back(scriptFinding(
        argument.span, Severity::Error, code::NOT_A_STEP_PATTERN,
        quoted(argument.text) + " is not a step pattern (one starts with %): every step is off", seconds));
}

}  // namespace

int32_t pictureOf(const ScriptEvent& event, int32_t pictureCount) {
    const float value = event.value;
    if (!std::isfinite(value) || value >= 2147483648.0f || value < -2147483648.0f) return -1;
    const int32_t index = static_cast<int32_t>(value);
    return index >= 0 && index < pictureCount ? index : -1;
}

void checkArgument(const ScriptEvent& event, const StatementWord& argument, int32_t pictureCount,
                   double seconds, std::vector<Finding>& findings) {
    const EventEntry* entry = eventEntry(event.kind);
    switch (entry != nullptr ? entry->argument : ArgumentForm::Ignored) {
        case ArgumentForm::Switch:
            checkSwitch(event, argument, seconds, findings);
            break;
        case ArgumentForm::Number:
            checkNumber(event, argument, seconds, findings);
            break;
        case ArgumentForm::Picture:
            checkPicture(event, argument, pictureCount, seconds, findings);
            break;
        case ArgumentForm::StepPattern:
            checkPatternForm(argument, seconds, findings);
            break;
        case ArgumentForm::Ignored:
            break;
    }
}

void checkStepPattern(const std::string& pattern, const WordSpan& at, int32_t patternLength, double seconds,
                      std::vector<Finding>& findings) {
    const std::string steps = pattern.substr(1);
    const std::size_t odd = steps.find_first_not_of("x.");
    if (odd != std::string::npos) {
        findings.push_back(scriptFinding(at, Severity::Warning, code::PATTERN_CHARACTERS,
                                         quoted(steps.substr(odd, 1)) + " (step " + std::to_string(odd) +
                                             ") counts as on: steps are written x (on) and . (off)",
                                         seconds));
    }
    const auto stepCount = static_cast<int32_t>(steps.size());
    if (stepCount > MAX_PATTERN_STEPS) {
        findings.push_back(scriptFinding(at, Severity::Warning, code::PATTERN_TOO_LONG,
                                         std::to_string(stepCount) + " steps: only the first " +
                                             std::to_string(MAX_PATTERN_STEPS) + " are kept",
                                         seconds));
    } else if (stepCount > patternLength) {
        findings.push_back(scriptFinding(at, Severity::Warning, code::PATTERN_TOO_LONG,
                                         std::to_string(stepCount) + " steps, but patternLength is " +
                                             std::to_string(patternLength) + ": only the first " +
                                             std::to_string(patternLength) + " play",
                                         seconds));
    }
}
