// Saturating conversions to int32 for the script's numbers.
// atoi and a plain cast are undefined past int32; these clamp instead.
#include "script/ScriptNumbers.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {
constexpr int32_t INT32_LOW = std::numeric_limits<int32_t>::min();
constexpr int32_t INT32_HIGH = std::numeric_limits<int32_t>::max();
}  // namespace

int32_t saturateToInt32(double value) {
    if (std::isnan(value)) return 0;
    const double whole = std::trunc(value);
    if (whole >= static_cast<double>(INT32_HIGH)) return INT32_HIGH;
    if (whole <= static_cast<double>(INT32_LOW)) return INT32_LOW;
    return static_cast<int32_t>(whole);
}

int32_t saturateToInt32(int64_t value) {
    if (value > INT32_HIGH) return INT32_HIGH;
    if (value < INT32_LOW) return INT32_LOW;
    return static_cast<int32_t>(value);
}

int32_t headerInteger(const char* word) {
    // strtol saturates at long's ends and sets errno; the clamp below makes both ends int32's.
    const long value = std::strtol(word, nullptr, 10);
    return saturateToInt32(static_cast<int64_t>(value));
}
