// The DejaVu faces the cards are set in (Debian's fonts-dejavu-core), by file.
// The folder comes from the build (FLASHSTEP_FONT_DIR); only core faces are used.
#pragma once

#include <string>

#ifndef FLASHSTEP_FONT_DIR
#define FLASHSTEP_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace fonts {
inline const std::string SANS = FLASHSTEP_FONT_DIR "/DejaVuSans.ttf";
inline const std::string SANS_BOLD = FLASHSTEP_FONT_DIR "/DejaVuSans-Bold.ttf";
inline const std::string MONO = FLASHSTEP_FONT_DIR "/DejaVuSansMono.ttf";
inline const std::string MONO_BOLD = FLASHSTEP_FONT_DIR "/DejaVuSansMono-Bold.ttf";
inline const std::string SERIF_BOLD = FLASHSTEP_FONT_DIR "/DejaVuSerif-Bold.ttf";
inline const std::string SERIF = FLASHSTEP_FONT_DIR "/DejaVuSerif.ttf";
inline const std::string ALL[] = {SANS, SANS_BOLD, MONO, MONO_BOLD, SERIF_BOLD, SERIF};
}  // namespace fonts
