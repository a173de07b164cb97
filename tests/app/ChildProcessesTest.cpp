// Finding and ending this process's children through /proc, as the stop from
// outside does with a message box's process: a real forked child, found and ended.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "app/ChildProcesses.h"

TEST(ChildProcesses, AForkedChildIsFoundAndEndedEvenWithSignalsBlocked) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // As SDL's box process: a copy of a parent that blocks SIGTERM.
        sigset_t all;
        sigfillset(&all);
        sigprocmask(SIG_BLOCK, &all, nullptr);
        for (;;) pause();
    }
    const std::vector<pid_t> found = childProcesses();
    EXPECT_NE(std::find(found.begin(), found.end(), child), found.end());
    killChildProcesses();
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    const std::vector<pid_t> after = childProcesses();
    EXPECT_EQ(std::find(after.begin(), after.end(), child), after.end()) << "reaped, gone";
}
