// Header findings. Values are read with strtol, which is how the loader's headerInteger reads
// them; the check only adds where the reading stopped.
#include "check/HeaderChecks.h"

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

#include "check/FindingCodes.h"
#include "check/NearestWord.h"
#include "check/ScriptFinding.h"
#include "script/PictureNames.h"
#include "script/ScriptNumbers.h"

namespace {

constexpr const char* HEADER_KEYS[] = {"bpm",    "patternLength", "patternSpeed", "songfile", "set",
                                       "offset", "title",         "picture",      "texture"};

bool isTempoKey(const char* key) {
    return std::strcmp(key, "bpm") == 0 || std::strcmp(key, "patternLength") == 0 ||
           std::strcmp(key, "patternSpeed") == 0;
}

bool isKnownKey(const char* key) {
    for (const char* known : HEADER_KEYS) {
        if (std::strcmp(key, known) == 0) return true;
    }
    return false;
}

int32_t valueInForce(const TempoValues& tempo, const char* key) {
    if (std::strcmp(key, "bpm") == 0) return tempo.bpm;
    if (std::strcmp(key, "patternLength") == 0) return tempo.patternLength;
    return tempo.patternSpeed;
}

bool readsWholeAsInteger(const char* word) {
    char* end = nullptr;
    std::strtol(word, &end, 10);
    return end != word && *end == '\0';
}

// What the loader made of a tempo value: the same words for a bad number and a refused one.
std::string tempoOutcome(const char* key, int32_t read, int32_t inForce) {
    if (read == inForce) return "sets " + std::string(key) + " " + std::to_string(read);
    if (std::strcmp(key, "patternLength") == 0)
        return "patternLength must be 1 to 32, so it becomes " + std::to_string(inForce);
    return std::string(key) + " must be above 0, so the line is ignored and " + std::to_string(inForce) +
           " stays";
}

// True when the value is not read whole.
bool checkTempoValue(const ScriptStatement& header, const TempoValues& before, const DemoScript& script,
                     bool eventsBefore, std::vector<Finding>& findings) {
    const char* key = header.key.text;
    const int32_t read = headerInteger(header.value.text);
    const int32_t inForce = valueInForce(tempoOf(script), key);
    const bool misread = !readsWholeAsInteger(header.value.text);
    if (misread) {
        findings.push_back(scriptFinding(header.value.span, Severity::Error, code::NOT_A_NUMBER,
                                         quoted(header.value.text) + " is not a whole number: read as " +
                                             std::to_string(read) + ", which " +
                                             tempoOutcome(key, read, inForce) +
                                             "; the lines below are timed with it, so none is checked "
                                             "against the song's end until this is fixed"));
    } else if (read != inForce) {
        findings.push_back(scriptFinding(header.value.span, Severity::Warning, code::BAD_TEMPO,
                                         tempoOutcome(key, read, inForce)));
    }
    const int32_t old = valueInForce(before, key);
    if (eventsBefore && inForce != old) {
        findings.push_back(
            scriptFinding(header.key.span, Severity::Warning, code::HEADER_AFTER_EVENTS,
                          std::string(key) + " changes after events: lines above are timed with " +
                              std::to_string(old) + ", lines below with " + std::to_string(inForce)));
    }
    return misread;
}

// The offset times the lines below it as a tempo value does; true when it is not read whole.
bool checkOffset(const ScriptStatement& header, const TempoValues& before, const DemoScript& script,
                 bool eventsBefore, std::vector<Finding>& findings) {
    const bool misread = !readsWholeAsInteger(header.value.text);
    if (misread) {
        findings.push_back(scriptFinding(header.value.span, Severity::Error, code::NOT_A_NUMBER,
                                         quoted(header.value.text) +
                                             " is not a whole number of milliseconds: read as " +
                                             std::to_string(script.offsetMs)));
    } else if (headerInteger(header.value.text) < 0) {
        findings.push_back(scriptFinding(header.value.span, Severity::Warning, code::BAD_TEMPO,
                                         "offset must be 0 or more: pattern 0 cannot start before the song, "
                                         "so it becomes 0"));
    }
    if (eventsBefore && script.offsetMs != before.offsetMs) {
        findings.push_back(scriptFinding(header.key.span, Severity::Warning, code::HEADER_AFTER_EVENTS,
                                         "offset changes after events: lines above count from " +
                                             std::to_string(before.offsetMs) + " ms, lines below from " +
                                             std::to_string(script.offsetMs) + " ms"));
    }
    return misread;
}

// The slot or role must exist; the file is the picture check's.
void checkPictureName(const ScriptStatement& header, std::vector<Finding>& findings) {
    const char* key = header.key.text;
    const char* which = header.value.text;
    if (std::strcmp(key, "picture") == 0 && pictureSlotOf(which) < 0) {
        findings.push_back(scriptFinding(header.value.span, Severity::Error, code::PICTURE_INDEX,
                                         "there is no overlay slot " + quoted(which) +
                                             ": the slots are 0 to " + std::to_string(PICTURE_SLOTS - 1) +
                                             ", so the line names nothing"));
    } else if (std::strcmp(key, "texture") == 0 && textureRoleOf(which) < 0) {
        const char* nearest = nearestWord(which, TEXTURE_ROLE_NAMES, TEXTURE_ROLES);
        findings.push_back(scriptFinding(header.value.span, Severity::Error, code::TEXTURE_ROLE,
                                         "there is no texture role " + quoted(which) + " (did you mean `" +
                                             nearest + "`?): the line names nothing"));
    } else if (header.fourth.cut) {
        findings.push_back(scriptFinding(header.fourth.span, Severity::Error, code::WORD_CUT,
                                         "the picture's file name is cut to its first " +
                                             std::to_string(ScriptStatementReader::VALUE_WORD_SIZE - 1) +
                                             " characters"));
    }
}

}  // namespace

TempoValues tempoOf(const DemoScript& script) {
    return {script.bpm, script.patternLength, script.patternSpeed, script.offsetMs};
}

bool checkHeader(const ScriptStatement& header, const TempoValues& before, const DemoScript& script,
                 bool eventsBefore, std::vector<Finding>& findings) {
    const char* key = header.key.text;
    if (isTempoKey(key)) return checkTempoValue(header, before, script, eventsBefore, findings);
    if (std::strcmp(key, "offset") == 0) return checkOffset(header, before, script, eventsBefore, findings);
    if (std::strcmp(key, "picture") == 0 || std::strcmp(key, "texture") == 0) {
        checkPictureName(header, findings);
        return false;
    }
    if (!isKnownKey(key)) {
        const char* nearest = nearestWord(key, HEADER_KEYS, std::size(HEADER_KEYS));
        findings.push_back(scriptFinding(
            header.key.span, Severity::Warning, code::UNKNOWN_INIT,
            "unknown init key " + quoted(key) + " (did you mean `" + nearest + "`?): the line is ignored"));
    } else if (std::strcmp(key, "songfile") == 0 && header.value.cut) {
        findings.push_back(scriptFinding(header.value.span, Severity::Error, code::WORD_CUT,
                                         "the song's name is cut to its first " +
                                             std::to_string(ScriptStatementReader::VALUE_WORD_SIZE - 1) +
                                             " characters"));
    } else if (std::strcmp(key, "title") == 0 && header.value.cut) {
        findings.push_back(scriptFinding(header.value.span, Severity::Warning, code::WORD_CUT,
                                         "the title is cut to its first " +
                                             std::to_string(ScriptStatementReader::VALUE_WORD_SIZE - 1) +
                                             " characters"));
    } else if (std::strcmp(key, "set") == 0) {
        findings.push_back(scriptFinding(header.key.span, Severity::Note, code::SET_NEVER_APPLIED,
                                         "init set fills an event that the show never applies"));
    }
    return false;
}
