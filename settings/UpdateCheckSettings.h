// SPDX-License-Identifier: MIT
// The update check's three values in the program's parameter key (REG_DWORD), each with its
// reader, its writer and what an absent value counts as. Writers answer the registry's
// Win32 error code, 0 on success.
#pragma once

#include <optional>

#include "platform/WinTypes.h"

// The bookkeeping's version stamp; an older or missing stamp re-enables the check once.
inline constexpr DWORD kUpdateCheckStamp = 20;

// "NoUpdateCheck": nonzero skips the unforced checks. Absent: 0.
DWORD ReadNoUpdateCheck();
long WriteNoUpdateCheck(DWORD dwValue);

// "CurrentVersion": the stamp of the bookkeeping; nothing when it cannot be read.
std::optional<DWORD> ReadCurrentVersion();
long WriteCurrentVersion(DWORD dwValue);

// "LastCheckTime": seconds since 1970-01-01 UTC, low 32 bits, of the last completed fetch.
// Absent: 0.
DWORD ReadLastCheckTime();
long WriteLastCheckTime(DWORD dwValue);
