// Opening the show's files only when they are regular files, and never waiting in
// open: a FIFO, a socket or a device under a file's name would hold the show (and
// the edit mode's reload) until some writer came. Anything else is refused.
#pragma once

#include <cerrno>
#include <cstdio>
#include <string>

// errno after a refusal of something that is not a regular file.
inline constexpr int NOT_A_REGULAR_FILE = EINVAL;

// A descriptor open for reading (close-on-exec), or -1 with errno set.
int openRegularFile(const char* path);
// The same as a stream for reading, or null with errno set.
std::FILE* openRegularStream(const char* path);
// The whole file; false with errno set.
bool readRegularFile(const char* path, std::string& bytes);
// Why an open failed, for messages: "not a regular file" or the system's words.
std::string openProblem(int error);
