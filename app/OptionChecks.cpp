// Whole-number range checks for the command line, with messages a person can read:
// CLI11's own range check prints its bounds as floating-point numbers.
#include "app/OptionChecks.h"

#include <string>

namespace {

constexpr int64_t MOST_BEFORE_DIGIT = INT64_MAX / 10;

// Digits only, as a person writes a count: no sign, space, base prefix or exponent
// (what strtoll and CLI11 would also take), and nothing past int64_t.
bool readPlainDecimal(const std::string& text, int64_t& value) {
    if (text.empty()) return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        const int64_t digit = c - '0';
        if (value > MOST_BEFORE_DIGIT || (value == MOST_BEFORE_DIGIT && digit > INT64_MAX % 10)) return false;
        value = value * 10 + digit;
    }
    return true;
}

// "1 or more", "1 to 60000".
std::string boundsText(int64_t least, int64_t most) {
    if (most == INT64_MAX) return std::to_string(least) + " or more";
    return std::to_string(least) + " to " + std::to_string(most);
}

}  // namespace

CLI::Validator wholeNumberFrom(int64_t least, int64_t most) {
    const std::string wanted =
        (most == INT64_MAX ? "a whole number of " : "a whole number from ") + boundsText(least, most);
    return CLI::Validator(
        [least, most, wanted](std::string& input) -> std::string {
            int64_t value = 0;
            const bool whole = readPlainDecimal(input, value);
            if (whole && value >= least && value <= most) return "";
            return "expects " + wanted + ", not " + input;
        },
        "");  // the option's own help text states the range
}
