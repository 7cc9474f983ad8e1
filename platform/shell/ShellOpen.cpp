// SPDX-License-Identifier: MIT
#include "platform/shell/ShellOpen.h"

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::optional<std::string> FindOnPath(const std::string& strName) {
    if (strName.empty()) {
        return std::nullopt;
    }
    if (strName.find('/') != std::string::npos) {
        return strName;
    }
    const char* pszPath = std::getenv("PATH");
    const std::string strPath = pszPath != nullptr ? pszPath : "/usr/local/bin:/usr/bin:/bin";
    std::size_t nStart = 0;
    while (nStart <= strPath.size()) {
        std::size_t nEnd = strPath.find(':', nStart);
        if (nEnd == std::string::npos) {
            nEnd = strPath.size();
        }
        const std::string strDir = strPath.substr(nStart, nEnd - nStart);
        const std::string strCandidate = (strDir.empty() ? "." : strDir) + "/" + strName;
        struct stat info {};
        if (stat(strCandidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            access(strCandidate.c_str(), X_OK) == 0) {
            return strCandidate;
        }
        nStart = nEnd + 1;
    }
    return std::nullopt;
}

// Writes the errno of a failed start to the parent; only async-signal-safe calls, since
// the caller may have other threads.
[[noreturn]] void FailInChild(int nFd) {
    const int nError = errno;
    [[maybe_unused]] const ssize_t n = write(nFd, &nError, sizeof nError);
    _exit(127);
}

int WaitForExit(pid_t pid) {
    int nStatus = 0;
    while (waitpid(pid, &nStatus, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return nStatus;
}

// The child's errno when it could not start the opener; nothing when it started.
std::optional<int> ReadStartError(int nFd) {
    int nError = 0;
    ssize_t n;
    do {
        n = read(nFd, &nError, sizeof nError);
    } while (n < 0 && errno == EINTR);
    if (n == ssize_t(sizeof nError)) {
        return nError;
    }
    return std::nullopt;
}

} // namespace

int ShellErrorFromErrno(int nErrno) {
    switch (nErrno) {
    case ENOENT:
        return SE_ERR_FNF;
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
        return SE_ERR_PNF;
    case EACCES:
    case EPERM:
        return SE_ERR_ACCESSDENIED;
    case ENOMEM:
    case E2BIG:
        return SE_ERR_OOM;
    case EAGAIN:
        return SE_ERR_OUT_OF_RESOURCES;
    case ENOEXEC:
    case ELIBBAD:
        return SE_ERR_BAD_FORMAT;
    case ETXTBSY:
        return SE_ERR_SHARE;
    default:
        return kShellOpenUnknownFailure;
    }
}

int ShellOpen(const std::string& strAddress) {
    return ShellOpenWith(kDesktopOpener, strAddress);
}

int ShellOpenWith(const std::string& strOpener, const std::string& strAddress) {
    const std::optional<std::string> strProgram = FindOnPath(strOpener);
    if (!strProgram) {
        return SE_ERR_NOASSOC;
    }
    // Everything the children need is made before forking: they may not allocate.
    std::string strArg0 = strOpener;
    std::string strArg1 = strAddress;
    char* argv[] = {strArg0.data(), strArg1.data(), nullptr};

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        return ShellErrorFromErrno(errno);
    }
    // Two forks: the opener is adopted by init as soon as the middle child ends, so it
    // leaves no zombie and is never waited for. The pipe closes when the opener's exec
    // succeeds, or carries its errno when it fails.
    const pid_t child = fork();
    if (child < 0) {
        const int nError = errno;
        close(fds[0]);
        close(fds[1]);
        return ShellErrorFromErrno(nError);
    }
    if (child == 0) {
        close(fds[0]);
        const pid_t opener = fork();
        if (opener < 0) {
            FailInChild(fds[1]);
        }
        if (opener == 0) {
            setsid();
            execve(strProgram->c_str(), argv, environ);
            FailInChild(fds[1]);
        }
        _exit(0);
    }
    close(fds[1]);
    WaitForExit(child);
    const std::optional<int> nStartError = ReadStartError(fds[0]);
    close(fds[0]);
    return nStartError ? ShellErrorFromErrno(*nStartError) : kShellOpenSucceeded;
}
