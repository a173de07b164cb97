// The show check's findings in the overlay, one line each, coloured by how bad; a
// click seeks to the finding's time (when it has one) and shows its line in the
// script panel; the whole message is in a tooltip.
#pragma once

#include <vector>

#include "check/Finding.h"
#include "editor/EditorAction.h"

class ScriptPanel;

// Draws into the current Dear ImGui window.
void drawFindings(const std::vector<Finding>& findings, ScriptPanel& script,
                  std::vector<EditorAction>& actions);
