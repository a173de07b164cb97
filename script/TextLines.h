// A text as its lines, each with its own line end ("\n", "\r\n", or none for a last line without
// one), so that lines can be taken out and put in while every other byte stays as it was: joined
// again, an untouched text gives back its very bytes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct TextLine {
    std::string content;  // without its line end
    std::string ending;   // "\n", "\r\n", or "" for a last line without one
};

class TextLines {
public:
    explicit TextLines(const std::string& text);

    std::string joined() const;
    std::size_t size() const { return lines_.size(); }
    const TextLine& operator[](std::size_t index) const { return lines_[index]; }

    // Takes line `index` out. When it was the last line and had no line end, the line before it
    // loses its own, so the text still ends without one.
    void remove(std::size_t index);
    // Puts `content` in as a line before line `index` (at the end when `index` is size()), with
    // the line end its neighbours use. At the end of a text without a final line end, the new
    // line becomes the one without it.
    void insert(std::size_t index, const std::string& content);

private:
    std::string endingNear(std::size_t index) const;

    std::vector<TextLine> lines_;
};
