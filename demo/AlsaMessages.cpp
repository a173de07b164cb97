// A silent error handler through alsa-lib's snd_lib_error_set_handler, the library's
// own switch for its messages, instead of redirecting standard error.
#include "demo/AlsaMessages.h"

#include <alsa/asoundlib.h>

namespace {

void discardAlsaMessage(const char* /*file*/, int /*line*/, const char* /*function*/, int /*error*/,
                        const char* /*format*/, ...) {}

}  // namespace

void silenceAlsaMessages() {
    snd_lib_error_set_handler(discardAlsaMessage);
}
