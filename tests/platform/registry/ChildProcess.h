// SPDX-License-Identifier: MIT
// Runs part of a test in a child process: a crash there fails the test without taking the
// test program down, and the child may give up root to meet file permissions as a user does.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// The child's exit status when it could not give up root.
inline constexpr int kCannotDropRoot = 77;

// Answers the child's wait status; the child exits 0 unless an expectation failed in it.
template <class Body> int RunInChild(Body body) {
    const pid_t pid = fork();
    if (pid == 0) {
        body();
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int nStatus = 0;
    waitpid(pid, &nStatus, 0);
    return nStatus;
}

// Root ignores file permissions, so a child that tests them becomes "nobody" first; the
// folders on the way to the store are opened for it. Exits kCannotDropRoot where that is
// not allowed.
inline void BecomeUnprivileged(const std::string& strRoot) {
    if (geteuid() != 0) {
        return;
    }
    chmod(strRoot.c_str(), 0755);
    chmod((strRoot + "/Korvat").c_str(), 0755);
    if (setgid(65534) != 0 || setuid(65534) != 0) {
        _exit(kCannotDropRoot);
    }
}

inline bool ExitedCleanly(int nStatus) {
    return WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0;
}
inline bool CouldNotDropRoot(int nStatus) {
    return WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == kCannotDropRoot;
}
