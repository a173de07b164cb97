// Writes a script file in the player's format: header lines, comment lines and
// event lines with pattern:beat time words. Keeps events in time order within
// each section (ties keep the order they were added) and keeps every comment
// within what the player's reader takes (37 characters after the "# ").
#pragma once

#include <string>
#include <vector>

struct ScriptTime {
    int pattern = 0;
    double beat = 0.0;

    double beats(int beatsPerPattern) const { return pattern * beatsPerPattern + beat; }
};

// "16:0", "15:2.5": the shortest exact form.
std::string timeWord(ScriptTime time);
// Comment text cut at spaces into lines that fit the reader.
std::vector<std::string> wrapComment(const std::string& text);

constexpr std::size_t COMMENT_WIDTH = 37;

class ScriptBuilder {
public:
    explicit ScriptBuilder(int beatsPerPattern) : beatsPerPattern_(beatsPerPattern) {}

    void comment(const std::string& text);
    // A header line, with a note behind it when one is given.
    void header(const std::string& key, const std::string& value, const std::string& note = "");
    // Starts a block of events introduced by a comment.
    void section(const std::string& title);
    void event(ScriptTime time, const std::string& keyword, const std::string& argument,
               const std::string& note = "");
    void event(ScriptTime time, const std::string& keyword, int argument, const std::string& note = "");

    // The whole file, closed by an "end" line at `endTime`. Aborts if a section
    // starts before the previous one has ended (a fault in the caller).
    std::string text(ScriptTime endTime) const;

private:
    struct Event {
        ScriptTime time;
        std::string keyword;
        std::string argument;
        std::string note;
    };
    struct Section {
        std::vector<std::string> lines;  // its comment lines
        std::vector<Event> events;
    };

    void appendSection(std::string& out, const Section& section, double& lastBeat) const;

    int beatsPerPattern_ = 4;
    std::vector<std::string> headerLines_;
    std::vector<Section> sections_;
};
