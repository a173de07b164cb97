// Tooltips kept inside the panel that shows them, wrapped to its width: Dear
// ImGui would place them anywhere near the pointer, and the show's picture must
// never be covered.
#pragma once

#include <string>

// Call while the panel's window is current, instead of ImGui::SetTooltip.
void tooltipWithin(const std::string& text);
