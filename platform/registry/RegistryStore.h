// SPDX-License-Identifier: MIT
// One connection to the current user's settings store, the SQLite file named by
// StoreLocation.h: keys as backslash paths, values as name, type and exact bytes, names
// compared without regard to case. Each operation is one transaction; results are Win32
// error codes.
#pragma once

#include <string>
#include <vector>

#include "platform/registry/Registry.h"

struct sqlite3;

class CRegistryStore {
public:
    CRegistryStore() = default;
    ~CRegistryStore();
    CRegistryStore(const CRegistryStore&) = delete;
    CRegistryStore& operator=(const CRegistryStore&) = delete;

    // Opens the store the environment names now, creating its folders, the file and its
    // tables when missing. A file that cannot be used as a store (damaged, of a format this
    // SQLite cannot read, failing the quick check made at its first open in the process, or
    // holding other objects under the store's table names) is renamed aside first (see
    // StoreRecovery.h) and a fresh store started. A store in a folder that cannot be written
    // is opened read-only: its values can be read, writes answer ERROR_ACCESS_DENIED.
    LSTATUS Open();

    // Key paths are relative to HKEY_CURRENT_USER, "" being the root itself; the stored
    // path comes back with the case it was created with.
    LSTATUS FindKey(const std::string& strPath, std::string& strStoredPath);
    // Creates the key and every missing parent; bCreated tells whether the key was new.
    LSTATUS CreateKey(const std::string& strPath, std::string& strStoredPath, bool& bCreated);
    // cbSize is the value's size in bytes; its bytes are read into data only when there are
    // no more than cbWanted of them, so a huge value costs no more than a small one.
    LSTATUS QueryValue(const std::string& strKey, const std::string& strName, DWORD cbWanted,
                       DWORD& dwType, DWORD& cbSize, std::vector<BYTE>& data);
    LSTATUS SetValue(const std::string& strKey, const std::string& strName, DWORD dwType,
                     const BYTE* pData, DWORD cbData);

    // Whether the file at strFile cannot be used as a store: damaged, unreadable to this
    // SQLite, or holding other objects under the store's table names.
    static bool IsDamagedStore(const std::string& strFile);

private:
    friend class CRegistryBatch;
    // The connection to work on: null when there is none, or when it was borrowed from a
    // batch that has ended since.
    sqlite3* Connection();
    int Connect();
    int ConnectReadOnly();
    // A connection that found the file damaged closes without touching it.
    void Disconnect(bool bDamaged = false);
    int PrepareStore();
    int CheckOnce();
    // Turns an SQLite result into the registry's error code, setting a damaged file aside
    // so that the next call starts on a fresh store.
    LSTATUS Result(int nResult);

    sqlite3* m_pDb = nullptr;
    std::string m_strFile;
    bool m_bReadOnly = false;
    // The connection belongs to the batch with this serial number (see RegistryBatch.h).
    bool m_bBorrowed = false;
    unsigned m_nBatchSerial = 0;
};
