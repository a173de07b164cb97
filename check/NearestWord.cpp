// Optimal-string-alignment distance over lower-cased bytes. The known words are short, so three
// rows of a small table on the stack are plenty.
#include "check/NearestWord.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

}  // namespace

std::size_t editDistance(const std::string& a, const std::string& longB) {
    // Rows over `b` live on the stack; nothing this compares is near the limit.
    const std::string b = longB.substr(0, MAX_COMPARED);
    std::array<std::size_t, MAX_COMPARED + 1> beforeLast = {};
    std::array<std::size_t, MAX_COMPARED + 1> last = {};
    std::array<std::size_t, MAX_COMPARED + 1> row = {};
    for (std::size_t j = 0; j <= b.size(); ++j) last[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1;
            row[j] = std::min({last[j] + 1, row[j - 1] + 1, last[j - 1] + cost});
            const bool swapped =
                i > 1 && j > 1 && lower(a[i - 1]) == lower(b[j - 2]) && lower(a[i - 2]) == lower(b[j - 1]);
            if (swapped) row[j] = std::min(row[j], beforeLast[j - 2] + 1);
        }
        beforeLast = last;
        last = row;
    }
    return last[b.size()];
}

const char* nearestWord(const std::string& word, const char* const* candidates, std::size_t count) {
    const char* best = count > 0 ? candidates[0] : "";
    std::size_t bestDistance = SIZE_MAX;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t distance = editDistance(word, candidates[i]);
        if (distance < bestDistance) {
            best = candidates[i];
            bestDistance = distance;
        }
    }
    return best;
}
