// Modal message boxes without an owner window. Where no box can be shown (no
// display), or in a deterministic run, the caption and text go to standard error
// and the box's default answer is taken. Once the run is stopped from outside, a
// box up is closed and none is shown: the default answer, no text.
#pragma once

#include "demo/ShellServices.h"

// When set, no box is ever shown: messages go straight to standard error.
void setMessagesToStderr(bool toStderr);

// An OK box.
void showMessage(const char* text, const char* caption, MessageIcon icon);

// A Yes/No box whose default button is No; true exactly when Yes was chosen.
bool askYesNo(const char* text, const char* caption);

// The shell's failure message: caption "Error", warning icon.
void showError(const char* text);
