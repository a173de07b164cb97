// The ALSA library's own error lines ("ALSA lib pcm.c:...") held back. SDL tries
// ALSA when it opens the sound output; on a machine without a sound card ALSA
// writes a dozen lines of its search to standard error before SDL gives up, while
// the show already says in its own message that sound could not be started.
#pragma once

// Replaces ALSA's error writer with a silent one for this process. Safe to call
// more than once; SDL loads the same library, so its calls are covered too.
void silenceAlsaMessages();
