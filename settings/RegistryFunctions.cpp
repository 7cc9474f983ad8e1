// SPDX-License-Identifier: MIT
// Every function opens the key, does one registry call and closes the key again, so no
// handle outlives a call and another program's writes are seen at once.
#include "settings/RegistryFunctions.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/registry/StoreLocation.h"
#include "platform/registry/StoreRecovery.h"
#include "platform/ui/core/MessageBox.h"

namespace {

// Key handles closed on every path out.
class CKeyCloser {
public:
    explicit CKeyCloser(HKEY hKey)
        : m_hKey(hKey) {}
    ~CKeyCloser() { RegCloseKey(m_hKey); }
    CKeyCloser(const CKeyCloser&) = delete;
    CKeyCloser& operator=(const CKeyCloser&) = delete;

private:
    HKEY m_hKey;
};

// The reason in words, for the user who has to mend it.
std::string FailureReason(long nError) {
    switch (nError) {
    case ERROR_ACCESS_DENIED:
        return "permission denied: the folder or the file is not writable";
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_PATHNAME:
        return "the folder cannot be made";
    case ERROR_DISK_FULL:
        return "the disk is full";
    case ERROR_SHARING_VIOLATION:
        return "another program keeps the file busy";
    case ERROR_BADDB:
        return "the file is damaged";
    case ERROR_REGISTRY_IO_FAILED:
        return "the file could not be read or written";
    case ERROR_OUTOFMEMORY:
        return "not enough memory";
    default:
        return "error " + std::to_string(nError);
    }
}

std::string BranchFailureText(const std::string& strKey, long nError) {
    const char* pszFormat = "System Error: Unable to Create Branch %s !!!!! (%ld) ";
    const int nLength = std::snprintf(nullptr, 0, pszFormat, strKey.c_str(), nError);
    std::string strText(std::size_t(nLength > 0 ? nLength : 0), '\0');
    std::snprintf(strText.data(), strText.size() + 1, pszFormat, strKey.c_str(), nError);
    // The code alone does not tell the user which file to look at, nor why.
    const std::string strFile = RegistryStoreFile();
    strText += "\nThe settings ";
    strText += strFile.empty() ? std::string("folder is unknown (HOME and XDG_CONFIG_HOME give "
                                             "no absolute path)")
                               : "file " + strFile + " cannot be created or written";
    strText += ": " + FailureReason(nError) + ".";
    return strText;
}

// Opens the key a write goes to. A store found damaged during the run is replaced by a fresh
// one that lacks the keys start-up made, so once that has happened a missing key is created
// with its parents: the values written afterwards (the settings strings at exit) are kept.
LSTATUS OpenKeyForWrite(const std::string& strKey, HKEY& hKey) {
    LSTATUS nResult = RegOpenKeyExA(HKEY_CURRENT_USER, strKey.c_str(), 0, KEY_ALL_ACCESS, &hKey);
    if (nResult == ERROR_FILE_NOT_FOUND && IsRenewedRegistryStore(RegistryStoreFile())) {
        char szClass[] = "";
        nResult = RegCreateKeyExA(HKEY_CURRENT_USER, strKey.c_str(), 0, szClass,
                                  REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &hKey, nullptr);
    }
    return nResult;
}

} // namespace

BOOL CreateRegistryBranch(std::string strKey) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, strKey.c_str(), 0, KEY_ALL_ACCESS, &hKey) ==
        ERROR_SUCCESS) {
        RegCloseKey(hKey);
        return 1;
    }
    char szClass[] = "";
    DWORD dwDisposition = 0;
    const LSTATUS nError =
        RegCreateKeyExA(HKEY_CURRENT_USER, strKey.c_str(), 0, szClass, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &hKey, &dwDisposition);
    if (nError == ERROR_SUCCESS) {
        RegCloseKey(hKey);
        return 1;
    }
    // Start-up goes on: reads then fail and every caller keeps its defaults.
    AfxMessageBox(BranchFailureText(strKey, nError));
    return 1;
}

long ReadRegistryString(std::string strKey, std::string strName, std::string& strText) {
    HKEY hKey = nullptr;
    LSTATUS nResult = RegOpenKeyExA(HKEY_CURRENT_USER, strKey.c_str(), 0, KEY_ALL_ACCESS, &hKey);
    if (nResult != ERROR_SUCCESS) {
        return nResult;
    }
    CKeyCloser closer(hKey);
    BYTE buffer[kRegistryTextBuffer];
    DWORD cbData = sizeof buffer;
    DWORD dwType = REG_NONE;
    nResult = RegQueryValueExA(hKey, strName.c_str(), nullptr, &dwType, buffer, &cbData);
    if (nResult != ERROR_SUCCESS) {
        return nResult;
    }
    strText.assign(reinterpret_cast<const char*>(buffer), cbData > 0 ? cbData - 1 : 0);
    return ERROR_SUCCESS;
}

long ReadRegistryDword(std::string strKey, std::string strName, DWORD& dwValue) {
    HKEY hKey = nullptr;
    LSTATUS nResult = RegOpenKeyExA(HKEY_CURRENT_USER, strKey.c_str(), 0, KEY_ALL_ACCESS, &hKey);
    if (nResult != ERROR_SUCCESS) {
        return nResult;
    }
    CKeyCloser closer(hKey);
    // The value's bytes land in the caller's variable as they are stored, low byte first;
    // a shorter value only replaces the low bytes.
    CDwordBytes value = PackDword(dwValue);
    DWORD cbData = sizeof value.bytes;
    DWORD dwType = REG_NONE;
    nResult = RegQueryValueExA(hKey, strName.c_str(), nullptr, &dwType, value.bytes, &cbData);
    if (nResult == ERROR_SUCCESS) {
        dwValue = UnpackDword(value.bytes);
    }
    return nResult;
}

long WriteRegistryString(std::string strKey, std::string strName, DWORD dwType,
                         std::string strText) {
    HKEY hKey = nullptr;
    const LSTATUS nResult = OpenKeyForWrite(strKey, hKey);
    if (nResult != ERROR_SUCCESS) {
        return nResult;
    }
    CKeyCloser closer(hKey);
    if (strText.size() >= kRegistryTextBuffer) {
        return ERROR_INVALID_PARAMETER;
    }
    BYTE buffer[kRegistryTextBuffer];
    std::memcpy(buffer, strText.data(), strText.size());
    buffer[strText.size()] = 0;
    return RegSetValueExA(hKey, strName.c_str(), 0, dwType, buffer, DWORD(strText.size() + 1));
}

long WriteRegistryDword(std::string strKey, std::string strName, DWORD dwType, DWORD dwValue) {
    HKEY hKey = nullptr;
    const LSTATUS nResult = OpenKeyForWrite(strKey, hKey);
    if (nResult != ERROR_SUCCESS) {
        return nResult;
    }
    CKeyCloser closer(hKey);
    const CDwordBytes value = PackDword(dwValue);
    return RegSetValueExA(hKey, strName.c_str(), 0, dwType, value.bytes, sizeof value.bytes);
}
