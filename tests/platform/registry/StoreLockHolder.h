// SPDX-License-Identifier: MIT
// Another program holding the settings store's write lock, for as long as it lives or until
// Release: a connection of its own inside an open write transaction.
#pragma once

#include <string>

#include <sqlite3.h>

class CStoreLockHolder {
public:
    explicit CStoreLockHolder(const std::string& strFile) {
        sqlite3_open_v2(strFile.c_str(), &m_pDb, SQLITE_OPEN_READWRITE, nullptr);
        m_bHeld = sqlite3_exec(m_pDb, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~CStoreLockHolder() { Release(); }
    CStoreLockHolder(const CStoreLockHolder&) = delete;
    CStoreLockHolder& operator=(const CStoreLockHolder&) = delete;

    bool IsHeld() const { return m_bHeld; }
    void Release() {
        if (m_pDb != nullptr) {
            sqlite3_exec(m_pDb, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(m_pDb);
            m_pDb = nullptr;
        }
        m_bHeld = false;
    }

private:
    sqlite3* m_pDb = nullptr;
    bool m_bHeld = false;
};
