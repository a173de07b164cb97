// The process's run options.
#include "demo/RunOptions.h"

RunOptions& runOptions() {
    static RunOptions options;
    return options;
}
