// SPDX-License-Identifier: MIT
// The update check: the registry bookkeeping, one HTTP fetch of the published version text
// on a worker thread bounded to ten seconds, and the comparison with the program's own
// version. The outcome is left in the members for the dialog to show.
#pragma once

#include <string>

#include "platform/WinTypes.h"
#include "platform/net/Internet.h"

// The root handle and the opened version address of the check that runs. Only one check
// runs at a time, so one of each is enough; the worker writes g_hUrl and the user-interface
// thread reads it only once the worker has ended.
extern HINTERNET g_hInternet;
extern HINTERNET g_hUrl;

// The environment variable that, when set, replaces the version address (a mirror, tests).
inline constexpr const char* kUpdateUrlVariable = "NIMBREL_UPDATE_URL";
// How long the user-interface thread waits for the worker to open the address.
inline constexpr DWORD kFetchTimeoutMs = 10000;
// The one read of the version text.
inline constexpr DWORD kVersionTextBytes = 512;
// An unforced check runs only this many seconds (28 days) after the last one.
inline constexpr int kUnforcedCheckInterval = 2419200;

enum : int { UPDATE_NO_RESULT = 0, UPDATE_NEWER = 1, UPDATE_LATEST = 2 };

class CUpdateCheck {
public:
    CUpdateCheck() = default;
    // Fetches the version text of the string resource nIDAddress (or of NIMBREL_UPDATE_URL)
    // and compares. An unforced check honours "NoUpdateCheck" and the 28-day interval.
    // Messages are shown for internal failures only; a second check started while one runs
    // (from inside the wait) does nothing.
    virtual void Check(UINT nIDAddress, BOOL bForce);
    virtual ~CUpdateCheck() = default;
    CUpdateCheck(const CUpdateCheck&) = delete;
    CUpdateCheck& operator=(const CUpdateCheck&) = delete;

    // The program's own file version, high and low halves. Virtual so that a test can stand
    // in for another build.
    virtual BOOL GetLocalVersion(DWORD& dwMS, DWORD& dwLS);

    // The worker: opens the address through g_hInternet and leaves the handle in g_hUrl;
    // 0 when it was opened, 1 otherwise.
    static DWORD FetchThreadProc(const std::string& strAddress);

    // The version address of a string resource, or NIMBREL_UPDATE_URL when that is set.
    static std::string VersionAddress(UINT nIDAddress);

    int m_nStatus = UPDATE_NO_RESULT;
    DWORD m_dwLocalMS = 0;
    DWORD m_dwLocalLS = 0;
    DWORD m_dwWebMS = 0;
    DWORD m_dwWebLS = 0;
    std::string m_strLink;

private:
    // The fetch and comparison, steps after the bookkeeping; the address was opened when it
    // answers true (then "LastCheckTime" is written).
    bool Fetch(const std::string& strAddress);
    void ReadVersionText();
};
