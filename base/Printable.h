// Text from files and command lines quoted in a message: a file name or a line of
// a script may hold control bytes (an escape sequence that retitles the terminal,
// a carriage return that hides what came before), which must never reach it as they are.
#pragma once

#include <string>

// `text` with every byte below 32 and 127 written as \xNN, the rest as it is.
std::string printable(const std::string& text);
