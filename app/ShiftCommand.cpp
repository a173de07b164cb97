// The shift command: times read with the script's final tempo, as --start reads them, the shift
// itself done by the script's rewriting and the save by its saver; the dry run's diff is drawn by
// diff(1), fed the new text on its standard input.
#include "app/ShiftCommand.h"

#include <sys/wait.h>

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>

#include "base/Printable.h"
#include "player/ShowTime.h"
#include "script/DemoScript.h"
#include "script/ScriptSave.h"
#include "script/ScriptShift.h"
#include "script/ScriptText.h"
#include "script/TimeWordWriter.h"

namespace {

constexpr const char* TIME_FORMS = "give beats (96, 12.5), pattern:beat (24:0) or seconds with a unit (92.5s, 1500ms)";

// A script with `tempo` in force, for reading times as --start does.
std::unique_ptr<DemoScript> scriptWithTempo(const ScriptTempo& tempo) {
    auto script = std::make_unique<DemoScript>(nullptr);
    script->bpm = tempo.bpm;
    script->patternLength = tempo.patternLength;
    script->patternSpeed = tempo.patternSpeed;
    script->offsetMs = tempo.offsetMs;
    return script;
}

// BY in milliseconds, unrounded: a time word's beats are kept whole, so 1 beat is as long as the
// beats between two lines of the grid, not the loader's truncated milliseconds.
std::optional<double> shiftMs(const std::string& text, const DemoScript& tempo) {
    const bool back = !text.empty() && text[0] == '-';
    const std::string size = back ? text.substr(1) : text;
    const std::optional<double> ms = showTimeMs(size, tempo);
    if (!ms) return std::nullopt;
    const TimeWordReading reading = readTimeWord(size.c_str());
    const double exact = reading.readWhole ? beatPosition(reading, scriptTempo(tempo)) * scriptTempo(tempo).beatMs()
                                           : *ms;
    return back ? -exact : exact;
}

// Exit code 1, with the reason.
int failed(const std::string& why) {
    std::fprintf(stderr, "flashstep: --shift: %s\n", printable(why).c_str());
    return 1;
}

// The change as `diff -u` prints it.
int printDiff(const std::string& newText) {
    std::fflush(stdout);
    const std::string command = std::string("diff -u --label a/") + DemoScript::SCRIPT_FILE + " --label b/" +
                                DemoScript::SCRIPT_FILE + " " + DemoScript::SCRIPT_FILE + " -";
    std::FILE* diff = popen(command.c_str(), "w");
    if (diff == nullptr) return failed("cannot run diff");
    std::fwrite(newText.data(), 1, newText.size(), diff);
    const int status = pclose(diff);
    // diff exits 0 for no difference, 1 for some, 2 for trouble; it dies of SIGPIPE when whatever
    // read its output (a pager, head) stopped reading, which is no failure.
    const bool readerLeft = WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE;
    return (WIFEXITED(status) && WEXITSTATUS(status) <= 1) || readerLeft ? 0 : failed("diff failed");
}

int save(const std::string& read, const std::string& text) {
    const SaveResult saved = saveScript(DemoScript::SCRIPT_FILE, read, text);
    if (saved.status == SaveStatus::ChangedOutside)
        return failed(std::string(DemoScript::SCRIPT_FILE) + " was changed while it was being shifted: nothing written");
    if (saved.status == SaveStatus::Failed) return failed(saved.message);
    return 0;
}

}  // namespace

int runShiftCommand(const std::string& from, const std::string& by, bool dryRun) {
    const std::optional<std::string> read = readScriptFile(DemoScript::SCRIPT_FILE);
    if (!read) return failed(std::string("cannot read ") + DemoScript::SCRIPT_FILE);
    const ScriptText script(*read);
    const std::unique_ptr<DemoScript> tempo = scriptWithTempo(script.finalTempo());
    const std::optional<double> fromMs = showTimeMs(from, *tempo);
    const std::optional<double> byMs = shiftMs(by, *tempo);
    if (!fromMs) return failed("FROM '" + from + "' is not a time: " + TIME_FORMS);
    if (!byMs) return failed("BY '" + by + "' is not a time: " + TIME_FORMS + ", with a - before it to go back");
    const ScriptEditResult shifted = shiftEvents(script, *fromMs, *byMs);
    if (!shifted.done()) return failed("refused: " + shifted.refusal);
    if (dryRun) return printDiff(shifted.text);
    if (save(*read, shifted.text) != 0) return 1;
    std::printf("%s: %d time words at or after %s moved by %s\n", DemoScript::SCRIPT_FILE, shifted.rewritten,
                from.c_str(), by.c_str());
    return 0;
}
