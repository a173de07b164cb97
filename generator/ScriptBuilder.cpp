// A note longer than fits behind its event becomes a comment line above it.
#include "generator/ScriptBuilder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>

std::string timeWord(ScriptTime time) {
    char beat[32];
    std::snprintf(beat, sizeof beat, "%g", time.beat);
    return std::to_string(time.pattern) + ":" + beat;
}

std::vector<std::string> wrapComment(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word, line;
    while (words >> word) {
        word = word.substr(0, COMMENT_WIDTH);
        if (!line.empty() && line.size() + 1 + word.size() > COMMENT_WIDTH) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void ScriptBuilder::comment(const std::string& text) {
    for (const std::string& line : wrapComment(text)) headerLines_.push_back("# " + line);
}

void ScriptBuilder::header(const std::string& key, const std::string& value, const std::string& note) {
    headerLines_.push_back("init " + key + " " + value + (note.empty() ? "" : " # " + note));
}

void ScriptBuilder::section(const std::string& title) {
    sections_.push_back({});
    for (const std::string& line : wrapComment(title)) sections_.back().lines.push_back("# " + line);
}

void ScriptBuilder::event(ScriptTime time, const std::string& keyword, const std::string& argument,
                          const std::string& note) {
    if (sections_.empty()) sections_.push_back({});
    sections_.back().events.push_back({time, keyword, argument, note});
}

void ScriptBuilder::event(ScriptTime time, const std::string& keyword, int argument,
                          const std::string& note) {
    event(time, keyword, std::to_string(argument), note);
}

void ScriptBuilder::appendSection(std::string& out, const Section& section, double& lastBeat) const {
    std::vector<Event> events = section.events;
    std::stable_sort(events.begin(), events.end(), [this](const Event& a, const Event& b) {
        return a.time.beats(beatsPerPattern_) < b.time.beats(beatsPerPattern_);
    });
    if (!events.empty() && events.front().time.beats(beatsPerPattern_) < lastBeat) {
        const std::string title = section.lines.empty() ? "(untitled)" : section.lines.front();
        std::cerr << "script section \"" << title << "\" starts too early\n";
        std::abort();
    }
    out += "\n";
    for (const std::string& line : section.lines) out += line + "\n";
    for (const Event& e : events) {
        const bool fits = e.note.size() <= COMMENT_WIDTH;
        if (!fits) {
            for (const std::string& line : wrapComment(e.note)) out += "# " + line + "\n";
        }
        out += timeWord(e.time) + " " + e.keyword + " " + e.argument;
        out += (fits && !e.note.empty()) ? " # " + e.note + "\n" : "\n";
        lastBeat = e.time.beats(beatsPerPattern_);
    }
}

std::string ScriptBuilder::text(ScriptTime endTime) const {
    std::string out;
    for (const std::string& line : headerLines_) out += line + "\n";
    double lastBeat = 0.0;
    for (const Section& section : sections_) appendSection(out, section, lastBeat);
    out += "\n# reading stops here\n" + timeWord(endTime) + " end 0\n";
    return out;
}
