// Applies one script event that the queue has just handed out, by its kind.
#pragma once

#include <cstdint>

void applyEvent(int32_t kind);
