// The editor's letters at the user interface's scale: Dear ImGui's own pixel font
// at scale 1, as it was drawn for; DejaVu Sans (found through fontconfig) at
// other scales, set on whole pixels so that the font texture is sampled 1:1. Both
// have Latin-1 and the ellipsis of a name cut short.
#pragma once

// Adds the font to the current Dear ImGui context's atlas, before its first frame.
void loadEditorFont(float scale);
