// SPDX-License-Identifier: MIT
#include "platform/registry/Registry.h"

#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/registry/RegistryStore.h"

// An open key: its own connection to the store, for as long as the key is open.
struct HKEY__ {
    CRegistryStore store;
    std::string strPath;
    REGSAM samDesired = 0;
};

namespace {

// The registry's own limits on names.
constexpr std::size_t kMaxKeyNameLength = 255;
constexpr std::size_t kMaxValueNameLength = 16383;
constexpr int kMaxCreateDepth = 32;

std::mutex g_handleMutex;
std::unordered_set<HKEY> g_openKeys;

bool IsOpenKey(HKEY hKey) {
    std::lock_guard lock(g_handleMutex);
    return g_openKeys.count(hKey) != 0;
}

// The path of the key a handle stands for, "" being HKEY_CURRENT_USER itself.
LSTATUS BasePath(HKEY hKey, std::string& strPath, REGSAM& samGranted) {
    if (hKey == HKEY_CURRENT_USER) {
        strPath.clear();
        samGranted = KEY_ALL_ACCESS;
        return ERROR_SUCCESS;
    }
    if (!IsOpenKey(hKey)) {
        return ERROR_INVALID_HANDLE;
    }
    strPath = hKey->strPath;
    samGranted = hKey->samDesired;
    return ERROR_SUCCESS;
}

// Appends a subkey path to a base path; every name between backslashes must be non-empty
// and not longer than the registry allows.
LSTATUS JoinPath(const std::string& strBase, LPCSTR lpSubKey, std::string& strPath) {
    const std::string strSub = lpSubKey != nullptr ? lpSubKey : "";
    int nDepth = 0;
    std::size_t nStart = 0;
    while (!strSub.empty() && nStart <= strSub.size()) {
        std::size_t nEnd = strSub.find('\\', nStart);
        if (nEnd == std::string::npos) {
            nEnd = strSub.size();
        }
        if (nEnd == nStart || nEnd - nStart > kMaxKeyNameLength) {
            return ERROR_BAD_PATHNAME;
        }
        ++nDepth;
        nStart = nEnd + 1;
    }
    if (nDepth > kMaxCreateDepth) {
        return ERROR_BAD_PATHNAME;
    }
    strPath = strBase.empty() || strSub.empty() ? strBase + strSub : strBase + "\\" + strSub;
    return ERROR_SUCCESS;
}

HKEY AddOpenKey(std::unique_ptr<HKEY__> key) {
    HKEY hKey = key.release();
    std::lock_guard lock(g_handleMutex);
    g_openKeys.insert(hKey);
    return hKey;
}

// The key and the connection a value call works on: the open key's own, or for the root a
// connection opened for this call alone.
struct CValueTarget {
    std::unique_ptr<HKEY__> rootKey;
    HKEY__* pKey = nullptr;
};

LSTATUS ValueTarget(HKEY hKey, LPCSTR lpValueName, REGSAM samNeeded, CValueTarget& target) {
    if (lpValueName != nullptr && std::strlen(lpValueName) > kMaxValueNameLength) {
        return ERROR_INVALID_PARAMETER;
    }
    if (hKey == HKEY_CURRENT_USER) {
        target.rootKey = std::make_unique<HKEY__>();
        target.pKey = target.rootKey.get();
        return target.pKey->store.Open();
    }
    if (!IsOpenKey(hKey)) {
        return ERROR_INVALID_HANDLE;
    }
    if ((hKey->samDesired & samNeeded) != samNeeded) {
        return ERROR_ACCESS_DENIED;
    }
    target.pKey = hKey;
    return ERROR_SUCCESS;
}

} // namespace

LSTATUS RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD /*ulOptions*/, REGSAM samDesired,
                      PHKEY phkResult) {
    if (phkResult == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    *phkResult = nullptr;
    std::string strBase;
    REGSAM samBase = 0;
    LSTATUS nResult = BasePath(hKey, strBase, samBase);
    auto key = std::make_unique<HKEY__>();
    if (nResult == ERROR_SUCCESS) {
        nResult = JoinPath(strBase, lpSubKey, key->strPath);
    }
    if (nResult == ERROR_SUCCESS) {
        nResult = key->store.Open();
    }
    if (nResult == ERROR_SUCCESS) {
        nResult = key->store.FindKey(key->strPath, key->strPath);
    }
    if (nResult != ERROR_SUCCESS) {
        return nResult;
    }
    key->samDesired = samDesired;
    *phkResult = AddOpenKey(std::move(key));
    return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR /*lpClass*/,
                        DWORD /*dwOptions*/, REGSAM samDesired,
                        LPSECURITY_ATTRIBUTES /*lpSecurityAttributes*/, PHKEY phkResult,
                        LPDWORD lpdwDisposition) {
    if (phkResult == nullptr || lpSubKey == nullptr || Reserved != 0) {
        return ERROR_INVALID_PARAMETER;
    }
    *phkResult = nullptr;
    std::string strBase;
    REGSAM samBase = 0;
    LSTATUS nResult = BasePath(hKey, strBase, samBase);
    if (nResult == ERROR_SUCCESS && (samBase & KEY_CREATE_SUB_KEY) == 0) {
        nResult = ERROR_ACCESS_DENIED;
    }
    auto key = std::make_unique<HKEY__>();
    if (nResult == ERROR_SUCCESS) {
        nResult = JoinPath(strBase, lpSubKey, key->strPath);
    }
    if (nResult == ERROR_SUCCESS) {
        nResult = key->store.Open();
    }
    bool bCreated = false;
    if (nResult == ERROR_SUCCESS) {
        nResult = key->store.CreateKey(key->strPath, key->strPath, bCreated);
    }
    if (nResult != ERROR_SUCCESS) {
        return nResult;
    }
    key->samDesired = samDesired;
    if (lpdwDisposition != nullptr) {
        *lpdwDisposition = bCreated ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    }
    *phkResult = AddOpenKey(std::move(key));
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                         LPBYTE lpData, LPDWORD lpcbData) {
    if (lpReserved != nullptr || (lpData != nullptr && lpcbData == nullptr)) {
        return ERROR_INVALID_PARAMETER;
    }
    CValueTarget target;
    LSTATUS nResult = ValueTarget(hKey, lpValueName, KEY_QUERY_VALUE, target);
    DWORD dwType = REG_NONE;
    DWORD cbSize = 0;
    std::vector<BYTE> data;
    // Only as many bytes as the caller's buffer takes are ever read.
    const DWORD cbBuffer = lpData != nullptr ? *lpcbData : 0;
    if (nResult == ERROR_SUCCESS) {
        nResult = target.pKey->store.QueryValue(target.pKey->strPath,
                                                lpValueName != nullptr ? lpValueName : "", cbBuffer,
                                                dwType, cbSize, data);
    }
    if (nResult != ERROR_SUCCESS) {
        return nResult;
    }
    if (lpType != nullptr) {
        *lpType = dwType;
    }
    if (lpcbData == nullptr) {
        return ERROR_SUCCESS;
    }
    *lpcbData = cbSize;
    if (lpData == nullptr) {
        return ERROR_SUCCESS;
    }
    if (cbSize > cbBuffer) {
        return ERROR_MORE_DATA;
    }
    if (!data.empty()) {
        std::memcpy(lpData, data.data(), data.size());
    }
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType,
                       const BYTE* lpData, DWORD cbData) {
    if (Reserved != 0) {
        return ERROR_INVALID_PARAMETER;
    }
    if (lpData == nullptr && cbData != 0) {
        return ERROR_NOACCESS;
    }
    CValueTarget target;
    const LSTATUS nResult = ValueTarget(hKey, lpValueName, KEY_SET_VALUE, target);
    if (nResult != ERROR_SUCCESS) {
        return nResult;
    }
    return target.pKey->store.SetValue(
        target.pKey->strPath, lpValueName != nullptr ? lpValueName : "", dwType, lpData, cbData);
}

LSTATUS RegCloseKey(HKEY hKey) {
    if (hKey == HKEY_CURRENT_USER) {
        return ERROR_SUCCESS;
    }
    {
        std::lock_guard lock(g_handleMutex);
        if (g_openKeys.erase(hKey) == 0) {
            return ERROR_INVALID_HANDLE;
        }
    }
    delete hKey;
    return ERROR_SUCCESS;
}
