// The trace line of a deterministic run: one line per frame, after its draw.
// Its fields and their order are a contract for tools: add fields only at the end.
#pragma once

#include <cstdint>
#include <cstdio>

void writeTraceLine(FILE* out, int64_t frame);
