// Loads the script once: header lines set tempo, pattern geometry, song file, the window's title,
// the song time of the first beat and pictures by file, event lines append timed events, anything else is a
// comment statement. The queue operations are in DemoScriptQueue.cpp; the statements themselves are split by
// ScriptStatementReader.
#include "script/DemoScript.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "base/RegularFile.h"
#include "script/EventWords.h"
#include "script/ScriptLoading.h"
#include "script/ScriptNumbers.h"
#include "script/TimeWords.h"

static_assert(ScriptStatementReader::VALUE_WORD_SIZE == DemoScript::SONGFILE_SIZE &&
                  ScriptStatementReader::VALUE_WORD_SIZE == DemoScript::TITLE_SIZE &&
                  ScriptStatementReader::VALUE_WORD_SIZE == PictureNames::FILE_SIZE,
              "a song file name, a title and a picture's file are read whole into their fields");

namespace {

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
    } else if (std::strcmp(key, "title") == 0) {
        copyWord(script.title, sizeof script.title, value);
    } else if (std::strcmp(key, "offset") == 0) {
        // Pattern 0 cannot start before the song does.
        script.offsetMs = std::max(headerInteger(value), int32_t{0});
    }
}

// A slot or role that does not exist, or a line without its file, names nothing.
void applyPictureName(PictureNames& pictures, const ScriptStatement& statement) {
    const bool overlay = std::strcmp(statement.key.text, "picture") == 0;
    const int32_t index = overlay ? pictureSlotOf(statement.value.text) : textureRoleOf(statement.value.text);
    if (index < 0 || statement.fourth.text[0] == '\0') return;
    char* file = overlay ? pictures.slots[index] : pictures.roles[index];
    copyWord(file, PictureNames::FILE_SIZE, statement.fourth.text);
}

void applyHeaderLine(DemoScript& script, const ScriptStatement& statement) {
    if (std::strcmp(statement.key.text, "set") == 0) {
        DemoScript::parseEvent(script.initialEvent, statement.value.text, statement.fourth.text);
        return;
    }
    if (std::strcmp(statement.key.text, "picture") == 0 || std::strcmp(statement.key.text, "texture") == 0) {
        applyPictureName(script.pictures, statement);
        return;
    }
    applyHeader(script, statement.key.text, statement.value.text);
}

// Lines past the event capacity are read but not stored, so a later "end" still ends the reading.
void storeEvent(DemoScript& script, const ScriptStatement& statement) {
    if (script.eventCount >= DemoScript::MAX_EVENTS) return;
    ScriptEvent& event = script.events[script.eventCount];
    event.timeMs =
        songTimeMs(timeWordToMs(statement.first.text, script.bpm, script.patternLength, script.patternSpeed),
                   script.offsetMs);
    DemoScript::parseEvent(event, statement.key.text, statement.value.text);
    ++script.eventCount;
}

}  // namespace

DemoScript::DemoScript(const char* path) {
    std::string bytes;
    if (path != nullptr && readRegularFile(path, bytes)) {
        std::stringbuf file(bytes, std::ios::in);
        ScriptStatementReader statements(&file);
        ScriptStatement statement;
        while (statements.next(statement) && applyScriptStatement(*this, statement)) {
        }
    }
    cursor = 0;
    stepPeriod = static_cast<float>(60.0 / bpm / patternSpeed);
    setSyncPattern(0);
}

bool applyScriptStatement(DemoScript& script, const ScriptStatement& statement) {
    switch (statement.kind) {
        case StatementKind::Header:
            applyHeaderLine(script, statement);
            return true;
        case StatementKind::Event:
            storeEvent(script, statement);
            return true;
        case StatementKind::End:
            return false;
        case StatementKind::Comment:
            return true;
    }
    return true;
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
