// The shell's services for tests that drive the player on their own GL context:
// quit requests are counted, messages go to standard error as a run without a
// display writes them, and showing a frame does nothing (read pixels before it).
#pragma once

#include <cstdio>

#include "demo/ShellServices.h"

class TestShell : public ShellServices {
public:
    void requestQuit(GLWindow& /*window*/) override { ++quitRequests; }
    void showMessage(const char* text, const char* caption, MessageIcon /*icon*/) override {
        std::fprintf(stderr, "%s: %s\n", caption, text);
    }
    void swapBuffers(GLWindow& /*window*/) override {}

    int quitRequests = 0;
};
