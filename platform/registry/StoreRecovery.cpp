// SPDX-License-Identifier: MIT
#include "platform/registry/StoreRecovery.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Two programs that both find the store damaged take turns; the second then finds the
// fresh store in place and leaves it alone. A lock file of its own, because opening and
// closing the store file itself would drop the locks SQLite holds on it in this process.
constexpr const char* kLockSuffix = ".lock";
constexpr const char* kDamagedInfix = ".damaged-";
// Further stores set aside within the same second get "-2", "-3", ... up to this.
constexpr int kMaxSameSecond = 100;

std::mutex g_mutex;
std::string g_strWarning;
std::set<std::string> g_reportedFailures;
std::set<std::string> g_reportedReadOnly;
std::function<void()> g_fnWarningHandler;
std::set<std::string> g_renewedFiles;

// The Windows-1252 bytes for the code points 0x80 to 0x9F of that code page.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char Windows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return char(c);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == c) {
            return char(0x80 + i);
        }
    }
    return '?';
}

// The length of the UTF-8 sequence a lead byte opens, 0 for a byte that opens none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead < 0xE0) {
        return 2;
    }
    if (lead >= 0xE0 && lead < 0xF0) {
        return 3;
    }
    return lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
}

// File names are UTF-8 here; the program's texts are Windows-1252. Characters that page
// lacks, and bytes that are not UTF-8, become '?'.
std::string FileNameText(const std::string& strUtf8) {
    std::string strText;
    std::size_t i = 0;
    while (i < strUtf8.size()) {
        const auto lead = static_cast<unsigned char>(strUtf8[i]);
        const int nLength = SequenceLength(lead);
        bool bValid = nLength > 0 && i + nLength <= strUtf8.size();
        char32_t c = nLength <= 1 ? lead : lead & (0x7F >> nLength);
        for (int k = 1; bValid && k < nLength; ++k) {
            const auto trail = static_cast<unsigned char>(strUtf8[i + k]);
            bValid = (trail & 0xC0) == 0x80;
            c = (c << 6) | (trail & 0x3F);
        }
        strText += bValid ? Windows1252(c) : '?';
        i += bValid ? std::size_t(nLength) : 1;
    }
    return strText;
}

std::string TimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char szStamp[32];
    std::strftime(szStamp, sizeof szStamp, "%Y%m%d-%H%M%S", &local);
    return szStamp;
}

// A rename that never replaces an existing file.
bool RenameNoReplace(const std::string& strFrom, const std::string& strTo) {
    if (renameat2(AT_FDCWD, strFrom.c_str(), AT_FDCWD, strTo.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    // A file system without no-replace renames: look first (the lock keeps our own
    // programs from racing here).
    if (access(strTo.c_str(), F_OK) == 0) {
        errno = EEXIST;
        return false;
    }
    return std::rename(strFrom.c_str(), strTo.c_str()) == 0;
}

// The name the file went to, or empty when it could not be renamed.
std::string RenameAside(const std::string& strFile) {
    const std::string strBase = strFile + kDamagedInfix + TimeStamp();
    for (int n = 1; n <= kMaxSameSecond; ++n) {
        const std::string strTarget = n == 1 ? strBase : strBase + "-" + std::to_string(n);
        if (RenameNoReplace(strFile, strTarget)) {
            // The journal files go along, paired with the copy under its new name, so a
            // fresh store never replays them.
            for (const char* pszJournal : {"-wal", "-shm"}) {
                if (access((strFile + pszJournal).c_str(), F_OK) == 0) {
                    RenameNoReplace(strFile + pszJournal, strTarget + pszJournal);
                }
            }
            return strTarget;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return {};
}

// Never called with the store's lock file held: the handler may show the warning at once.
void AddWarning(const std::string& strText) {
    std::function<void()> fnHandler;
    {
        std::lock_guard lock(g_mutex);
        if (!g_strWarning.empty()) {
            g_strWarning += "\n\n";
        }
        g_strWarning += strText;
        fnHandler = g_fnWarningHandler;
    }
    if (fnHandler) {
        fnHandler();
    }
}

void ReportMoved(const std::string& strTarget) {
    AddWarning("The settings store could not be read and has been renamed to\n" +
               FileNameText(strTarget) +
               "\nA fresh store has been started: all settings are back to their defaults.");
}

void ReportFailed(const std::string& strFile) {
    {
        std::lock_guard lock(g_mutex);
        if (!g_reportedFailures.insert(strFile).second) {
            return;
        }
    }
    AddWarning("The settings store\n" + FileNameText(strFile) +
               "\ncould not be read and could not be renamed aside: settings will not be kept.");
}

class CLockFile {
public:
    explicit CLockFile(const std::string& strPath)
        : m_nFd(open(strPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (m_nFd >= 0) {
            while (flock(m_nFd, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~CLockFile() {
        if (m_nFd >= 0) {
            close(m_nFd);
        }
    }
    CLockFile(const CLockFile&) = delete;
    CLockFile& operator=(const CLockFile&) = delete;

private:
    int m_nFd;
};

} // namespace

CSetAsideResult SetDamagedStoreAside(const std::string& strFile,
                                     const std::function<bool(const std::string&)>& fnIsDamaged) {
    std::string strTarget;
    {
        // Without a lock file (a folder we cannot write) the rename below fails as well.
        CLockFile lock(strFile + kLockSuffix);
        if (!fnIsDamaged(strFile)) {
            return CSetAsideResult::NotDamaged;
        }
        strTarget = RenameAside(strFile);
    }
    if (strTarget.empty()) {
        ReportFailed(strFile);
        return CSetAsideResult::Failed;
    }
    {
        std::lock_guard lock(g_mutex);
        g_renewedFiles.insert(strFile);
    }
    ReportMoved(strTarget);
    return CSetAsideResult::Moved;
}

void ReportReadOnlyStore(const std::string& strFolder) {
    {
        std::lock_guard lock(g_mutex);
        if (!g_reportedReadOnly.insert(strFolder).second) {
            return;
        }
    }
    AddWarning("The settings folder\n" + FileNameText(strFolder) +
               "\ncannot be written: the stored settings are used, but changes to them cannot "
               "be saved.");
}

std::optional<std::string> TakeRegistryStoreWarning() {
    std::lock_guard lock(g_mutex);
    if (g_strWarning.empty()) {
        return std::nullopt;
    }
    std::string strWarning;
    strWarning.swap(g_strWarning);
    return strWarning;
}

std::function<void()> SetRegistryStoreWarningHandler(std::function<void()> fnHandler) {
    std::lock_guard lock(g_mutex);
    std::swap(g_fnWarningHandler, fnHandler);
    return fnHandler;
}

bool IsRenewedRegistryStore(const std::string& strFile) {
    std::lock_guard lock(g_mutex);
    return g_renewedFiles.count(strFile) != 0;
}
