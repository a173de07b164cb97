// The nearest of a few known words to a misspelled one, by edit distance with transpositions
// ("palikta" is one step from "palikat"), ignoring case; for "did you mean" suggestions.
#pragma once

#include <cstddef>
#include <string>

// Steps (insert, delete, replace, swap two neighbours) from `a` to `b`, case ignored; `b` is
// compared by its first MAX_COMPARED bytes.
constexpr std::size_t MAX_COMPARED = 63;
std::size_t editDistance(const std::string& a, const std::string& b);

// The candidate nearest to `word`; on a tie the first in `candidates` order.
const char* nearestWord(const std::string& word, const char* const* candidates, std::size_t count);
