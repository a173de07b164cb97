// Splitting at line feeds; a carriage return right before one belongs to the line end, as the
// word reader reads it. Any other carriage return is part of its line.
#include "script/TextLines.h"

TextLines::TextLines(const std::string& text) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t feed = text.find('\n', begin);
        if (feed == std::string::npos) {
            lines_.push_back({text.substr(begin), ""});
            break;
        }
        const bool carriage = feed > begin && text[feed - 1] == '\r';
        const std::size_t contentEnd = carriage ? feed - 1 : feed;
        lines_.push_back({text.substr(begin, contentEnd - begin), carriage ? "\r\n" : "\n"});
        begin = feed + 1;
    }
}

std::string TextLines::joined() const {
    std::string text;
    for (const TextLine& line : lines_) text += line.content + line.ending;
    return text;
}

void TextLines::remove(std::size_t index) {
    const bool lastWithoutEnd = index + 1 == lines_.size() && lines_[index].ending.empty();
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
    if (lastWithoutEnd && !lines_.empty()) lines_.back().ending.clear();
}

void TextLines::insert(std::size_t index, const std::string& content) {
    const std::string ending = endingNear(index);
    if (index == lines_.size() && !lines_.empty() && lines_.back().ending.empty()) {
        lines_.back().ending = ending;
        lines_.push_back({content, ""});
        return;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), {content, ending});
}

// The line end of the line before, else of the one after, else of any line: a file keeps one style.
std::string TextLines::endingNear(std::size_t index) const {
    if (index > 0 && !lines_[index - 1].ending.empty()) return lines_[index - 1].ending;
    if (index < lines_.size() && !lines_[index].ending.empty()) return lines_[index].ending;
    for (const TextLine& line : lines_) {
        if (!line.ending.empty()) return line.ending;
    }
    return "\n";
}
