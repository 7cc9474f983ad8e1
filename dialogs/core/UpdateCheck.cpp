// SPDX-License-Identifier: MIT
// The user-interface thread runs the check and waits for the worker through the busy wait,
// so a windowed program keeps painting; closing the root handle is the only way to cut a
// hanging open short, and the worker is always joined before the check ends.
#include "dialogs/core/UpdateCheck.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <ctime>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "dialogs/core/VersionText.h"
#include "platform/ui/core/BusyWait.h"
#include "platform/ui/core/MessageBox.h"
#include "resources/StringTable.h"
#include "settings/UpdateCheckSettings.h"

#ifndef NIMBREL_FILE_VERSION
#error "NIMBREL_FILE_VERSION comes from the build: the project's version, four numbers"
#endif

HINTERNET g_hInternet = nullptr;
HINTERNET g_hUrl = nullptr;

namespace {

constexpr const char* kAgent = "Nimbrel";
constexpr DWORD kOpenFlags =
    INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
constexpr const char* kCheckFailure =
    "Internal error in CUpdateCheck::Check !!! Please Contact Korvat for Bug Report";
constexpr const char* kExitCodeFailure =
    "Internal error in CUpdateCheck::GetExitCodeThread !!! Please Contact Korvat for Bug Report";

constexpr DWORD kFileVersion[4] = {NIMBREL_FILE_VERSION};

std::atomic<bool> g_bCheckRunning{false};

// The worker's end, as the user-interface thread waits for it.
class CWorkerEnd {
public:
    void Signal(DWORD dwExitCode) {
        {
            std::lock_guard lock(m_mutex);
            m_dwExitCode = dwExitCode;
        }
        m_ended.notify_all();
    }
    bool WaitFor(std::chrono::milliseconds limit) {
        std::unique_lock lock(m_mutex);
        return m_ended.wait_for(lock, limit, [this] { return m_dwExitCode.has_value(); });
    }
    std::optional<DWORD> ExitCode() {
        std::lock_guard lock(m_mutex);
        return m_dwExitCode;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ended;
    std::optional<DWORD> m_dwExitCode;
};

} // namespace

std::string CUpdateCheck::VersionAddress(UINT nIDAddress) {
    const char* pszOverride = std::getenv(kUpdateUrlVariable);
    if (pszOverride != nullptr && *pszOverride != '\0') {
        return pszOverride;
    }
    return LoadResourceString(nIDAddress);
}

BOOL CUpdateCheck::GetLocalVersion(DWORD& dwMS, DWORD& dwLS) {
    dwMS = (kFileVersion[0] & 0xFFFF) << 16 | (kFileVersion[1] & 0xFFFF);
    dwLS = (kFileVersion[2] & 0xFFFF) << 16 | (kFileVersion[3] & 0xFFFF);
    return 1;
}

DWORD CUpdateCheck::FetchThreadProc(const std::string& strAddress) {
    g_hUrl = nullptr;
    g_hUrl = InternetOpenUrlA(g_hInternet, strAddress.c_str(), nullptr, 0, kOpenFlags, 0);
    return g_hUrl != nullptr ? 0 : 1;
}

void CUpdateCheck::Check(UINT nIDAddress, BOOL bForce) {
    const std::string strAddress = VersionAddress(nIDAddress);
    m_nStatus = UPDATE_NO_RESULT;
    // The wait below keeps the event loop running, so a second check could start from it;
    // it finds this one running and leaves.
    if (g_bCheckRunning.exchange(true)) {
        return;
    }
    struct CRunningFlag {
        ~CRunningFlag() { g_bCheckRunning = false; }
    } running;

    DWORD dwNoUpdateCheck = ReadNoUpdateCheck();
    const std::optional<DWORD> dwStamp = ReadCurrentVersion();
    if (!dwStamp || int(*dwStamp) < int(kUpdateCheckStamp)) {
        WriteNoUpdateCheck(0);
        WriteCurrentVersion(kUpdateCheckStamp);
        dwNoUpdateCheck = 0;
    }
    if (!bForce && dwNoUpdateCheck != 0) {
        return;
    }
    const std::int64_t nNow = std::int64_t(std::time(nullptr));
    const DWORD dwLastCheck = ReadLastCheckTime();
    if (!bForce && int(std::int32_t(DWORD(nNow) - dwLastCheck)) < kUnforcedCheckInterval) {
        return;
    }
    if (!GetLocalVersion(m_dwLocalMS, m_dwLocalLS)) {
        return;
    }
    CWaitCursor waitCursor;
    if (Fetch(strAddress)) {
        WriteLastCheckTime(DWORD(nNow));
    }
}

bool CUpdateCheck::Fetch(const std::string& strAddress) {
    g_hInternet = InternetOpenA(kAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (g_hInternet == nullptr) {
        AfxMessageBox(kCheckFailure, MB_OK);
        return false;
    }
    CWorkerEnd workerEnd;
    std::thread worker;
    try {
        worker = std::thread(
            [strCopy = strAddress, &workerEnd] { workerEnd.Signal(FetchThreadProc(strCopy)); });
    } catch (const std::system_error&) {
        // No thread to run the fetch: nothing was opened.
        AfxMessageBox(kCheckFailure, MB_OK);
        InternetCloseHandle(g_hInternet);
        return false;
    }
    const bool bEnded = WaitWhileBusy(
        [&workerEnd](std::chrono::milliseconds slice) { return workerEnd.WaitFor(slice); },
        std::chrono::milliseconds(kFetchTimeoutMs));
    if (!bEnded) {
        // Closing the root handle makes the pending open give up; the worker is then waited
        // for without limit, so no thread outlives the check.
        InternetCloseHandle(g_hInternet);
        worker.join();
        m_dwWebMS = 0;
        m_dwWebLS = 0;
        return false;
    }
    worker.join();
    const std::optional<DWORD> dwExitCode = workerEnd.ExitCode();
    if (!dwExitCode) {
        AfxMessageBox(kExitCodeFailure, MB_OK);
        InternetCloseHandle(g_hInternet);
        return false;
    }
    if (*dwExitCode != 0) {
        InternetCloseHandle(g_hInternet);
        return false;
    }
    ReadVersionText();
    InternetCloseHandle(g_hInternet);
    return true;
}

void CUpdateCheck::ReadVersionText() {
    char buffer[kVersionTextBytes + 1];
    DWORD dwRead = 0;
    if (InternetReadFile(g_hUrl, buffer, kVersionTextBytes, &dwRead) && dwRead > 0) {
        buffer[dwRead] = '\0';
        const CVersionText version = ParseVersionText(std::string(buffer, dwRead));
        m_dwWebMS = version.dwWebMS;
        m_dwWebLS = version.dwWebLS;
        m_strLink = version.strLink;
        m_nStatus =
            (m_dwWebMS > m_dwLocalMS || m_dwWebLS > m_dwLocalLS) ? UPDATE_NEWER : UPDATE_LATEST;
    }
    InternetCloseHandle(g_hUrl);
}
