// Loads the script once: header lines set tempo, pattern geometry and song file, event lines
// append timed events, anything else is a comment line. The queue operations are in
// DemoScriptQueue.cpp; the words themselves are read by WordReader.
#include "script/DemoScript.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "script/EventWords.h"
#include "script/ScriptNumbers.h"
#include "script/ScriptWords.h"
#include "script/TimeWords.h"

namespace {

// Buffer sizes of the words of a line, terminating NUL included.
constexpr std::size_t FIRST_WORD_SIZE = 12;
constexpr std::size_t KEY_WORD_SIZE = 40;
constexpr std::size_t VALUE_WORD_SIZE = DemoScript::SONGFILE_SIZE;

void copyWord(char* target, std::size_t capacity, const char* word) {
    const std::size_t length = std::min(std::strlen(word), capacity - 1);
    std::memcpy(target, word, length);
    target[length] = '\0';
}

// Tempo values of 0 or less would divide by zero; such a line leaves the value in force.
void applyHeader(DemoScript& script, const char* key, const char* value) {
    if (std::strcmp(key, "bpm") == 0) {
        const int32_t bpm = headerInteger(value);
        if (bpm > 0) script.bpm = bpm;
    } else if (std::strcmp(key, "patternLength") == 0) {
        // The sync pattern has 32 steps and must wrap: keep its cycle inside them.
        script.patternLength = std::clamp(headerInteger(value), int32_t{1}, DemoScript::SYNC_STEPS);
    } else if (std::strcmp(key, "patternSpeed") == 0) {
        const int32_t speed = headerInteger(value);
        if (speed > 0) script.patternSpeed = speed;
    } else if (std::strcmp(key, "songfile") == 0) {
        copyWord(script.songfile, sizeof script.songfile, value);
    }
}

void readHeaderLine(DemoScript& script, WordReader& words) {
    char key[KEY_WORD_SIZE] = {};
    char value[VALUE_WORD_SIZE] = {};
    words.readWord(key);
    words.readWord(value);
    if (std::strcmp(key, "set") == 0) {
        char argument[VALUE_WORD_SIZE] = {};
        words.readWord(argument);
        DemoScript::parseEvent(script.initialEvent, value, argument);
        return;
    }
    applyHeader(script, key, value);
}

// Returns false when the line is an "end" line. Lines past the event capacity are read but not
// stored, so a later "end" still ends the reading.
bool readEventLine(DemoScript& script, WordReader& words, const char* timeWord) {
    char keyword[KEY_WORD_SIZE] = {};
    char argument[VALUE_WORD_SIZE] = {};
    words.readWord(keyword);
    words.readWord(argument);
    if (std::strcmp(keyword, "end") == 0) return false;
    if (script.eventCount >= DemoScript::MAX_EVENTS) return true;

    ScriptEvent& event = script.events[script.eventCount];
    event.timeMs = timeWordToMs(timeWord, script.bpm, script.patternLength, script.patternSpeed);
    DemoScript::parseEvent(event, keyword, argument);
    ++script.eventCount;
    return true;
}

bool startsWithDigit(const char* word) {
    return std::isdigit(static_cast<unsigned char>(word[0])) != 0;
}

void readScript(DemoScript& script, WordReader& words) {
    while (!words.atEnd()) {
        char first[FIRST_WORD_SIZE] = {};
        words.readWord(first);
        if (std::strcmp(first, "init") == 0) {
            readHeaderLine(script, words);
        } else if (startsWithDigit(first)) {
            if (!readEventLine(script, words, first)) return;
        } else {
            words.skipLine();
        }
    }
}

}  // namespace

DemoScript::DemoScript(const char* path) {
    std::filebuf file;
    if (path != nullptr && file.open(path, std::ios::in | std::ios::binary) != nullptr) {
        WordReader words(&file);
        readScript(*this, words);
    }
    cursor = 0;
    stepPeriod = static_cast<float>(60.0 / bpm / patternSpeed);
    setSyncPattern(0);
}

void DemoScript::parseEvent(ScriptEvent& event, const char* keyword, const char* argument) {
    const int32_t kind = eventKindOf(keyword);
    if (kind != EVENT_NONE) event.kind = kind;
    event.value = static_cast<float>(std::atof(argument));
    if (isStepPattern(argument)) {
        event.bits = stepPatternBits(argument);
    } else {
        event.isOn = isSwitchOn(argument);
    }
}
