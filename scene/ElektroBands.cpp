// Band positions of the elektro layer; the count follows from single-precision
// accumulation (6, 5, 4, 4, 3, 3, 3 for the steps 0.35 ... 0.95).
#include "scene/ElektroBands.h"

int32_t elektroBandPositions(float elektroStep, float (&x)[MAX_ELEKTRO_BANDS]) {
    int32_t count = 0;
    for (float position = -1.0f; position <= 1.0f && count < MAX_ELEKTRO_BANDS;
         position = position + elektroStep) {
        x[count++] = position;
    }
    return count;
}
