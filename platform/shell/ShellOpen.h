// SPDX-License-Identifier: MIT
// Opening an address the way the desktop does: the desktop's opener (xdg-open) runs
// detached with the address as its one argument. The result follows the shell's execute
// call: above 32 on success, otherwise one of the shell's error codes below.
#pragma once

#include <string>

enum : int {
    SE_ERR_OUT_OF_RESOURCES = 0,
    SE_ERR_FNF = 2,
    SE_ERR_PNF = 3,
    SE_ERR_ACCESSDENIED = 5,
    SE_ERR_OOM = 8,
    SE_ERR_BAD_FORMAT = 11,
    SE_ERR_SHARE = 26,
    SE_ERR_ASSOCINCOMPLETE = 27,
    SE_ERR_DDETIMEOUT = 28,
    SE_ERR_DDEFAIL = 29,
    SE_ERR_DDEBUSY = 30,
    SE_ERR_NOASSOC = 31,
    SE_ERR_DLLNOTFOUND = 32,
};

// What a started opener answers; any value above 32 means success.
inline constexpr int kShellOpenSucceeded = 42;
// A failure the table does not name: the report shows its first line alone.
inline constexpr int kShellOpenUnknownFailure = 1;

// The desktop's opener, looked up on PATH.
inline constexpr const char* kDesktopOpener = "xdg-open";

// How a failure to start the opener maps onto the shell's codes:
//   ENOENT -> 2 (file not found), ENOTDIR / ELOOP / ENAMETOOLONG -> 3 (path not found),
//   EACCES / EPERM -> 5, ENOMEM / E2BIG -> 8, EAGAIN -> 0 (out of resources),
//   ENOEXEC / ELIBBAD -> 11 (not a valid program), ETXTBSY -> 26 (sharing violation),
//   anything else -> 1 (no text of its own).
int ShellErrorFromErrno(int nErrno);

// Opens the address with the desktop's opener. An opener missing from PATH is 31 (no
// application associated). Returns as soon as the opener has started: what it does
// afterwards (finding a browser) is not waited for, so a browser that stays in the
// foreground never blocks the caller.
int ShellOpen(const std::string& strAddress);
// The same with another opener: a name is looked up on PATH, a path containing '/' is
// used as it is.
int ShellOpenWith(const std::string& strOpener, const std::string& strAddress);
