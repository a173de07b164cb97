// Reads the script statement by statement and applies each to a scratch script as
// the loader does; a statement that added an event gives that event its line. So
// comments, "end", the event capacity and words pulled from the next line all
// count exactly as they do for the player.
#include "timeline/ScriptLines.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "script/DemoScript.h"
#include "script/ScriptLoading.h"
#include "script/ScriptStatements.h"

namespace {

// The text of each line, without its line end, tabs shown as spaces.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::replace(line.begin(), line.end(), '\t', ' ');
        lines.push_back(std::move(line));
    }
    return lines;
}

ScriptLine lineOf(const ScriptStatement& statement, const std::vector<std::string>& texts) {
    ScriptLine line;
    line.line = statement.first.span.line;
    line.keyword = statement.key.text;
    line.argument = statement.value.text;
    const auto index = static_cast<std::size_t>(line.line - 1);
    if (line.line > 0 && index < texts.size()) line.text = texts[index];
    return line;
}

}  // namespace

std::vector<ScriptLine> locateEventLines(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    const std::vector<std::string> texts = linesOf(text);
    std::stringbuf source(text, std::ios::in);
    ScriptStatementReader reader(&source);
    const auto scratch = std::make_unique<DemoScript>(nullptr);
    std::vector<ScriptLine> lines;
    ScriptStatement statement;
    while (reader.next(statement)) {
        const int32_t stored = scratch->eventCount;
        if (!applyScriptStatement(*scratch, statement)) break;
        if (scratch->eventCount > stored) lines.push_back(lineOf(statement, texts));
    }
    return lines;
}
