// SPDX-License-Identifier: MIT
#include "platform/registry/RegistryBatch.h"

#include <sqlite3.h>

namespace {

// One batch a thread: the registry calls of other threads keep their own connections.
thread_local CRegistryBatch* t_pActiveBatch = nullptr;
// Every batch gets its own number, so a key handle that borrowed the connection of a batch
// since ended never uses a later batch's connection by mistake.
thread_local unsigned t_nLastSerial = 0;

// The wait of an ordinary call, restored once the batch's lock is taken.
constexpr int kCallWait = 5000;

int Run(sqlite3* pDb, const char* pszSql) {
    return sqlite3_exec(pDb, pszSql, nullptr, nullptr, nullptr);
}

} // namespace

CRegistryBatch::CRegistryBatch(int nWaitMilliseconds) {
    if (t_pActiveBatch != nullptr) {
        // Inside another batch: its transaction already holds everything.
        return;
    }
    m_nStatus = m_store.Open();
    if (m_nStatus == ERROR_SUCCESS && m_store.m_bReadOnly) {
        m_nStatus = ERROR_ACCESS_DENIED;
    }
    if (m_nStatus == ERROR_SUCCESS) {
        // The one wait: BEGIN IMMEDIATE takes the write lock now or gives up after it.
        sqlite3_busy_timeout(m_store.m_pDb, nWaitMilliseconds);
        const int nResult = Run(m_store.m_pDb, "BEGIN IMMEDIATE");
        sqlite3_busy_timeout(m_store.m_pDb, kCallWait);
        if (nResult == SQLITE_OK) {
            m_state = EState::Held;
            m_store.m_nBatchSerial = ++t_nLastSerial;
        } else if ((nResult & 0xFF) == SQLITE_BUSY || (nResult & 0xFF) == SQLITE_LOCKED) {
            m_nStatus = ERROR_SHARING_VIOLATION;
            m_state = EState::Refused;
        } else {
            m_nStatus = ERROR_REGISTRY_IO_FAILED;
        }
    }
    if (m_nStatus == ERROR_SHARING_VIOLATION) {
        m_state = EState::Refused;
    }
    t_pActiveBatch = this;
    m_bRegistered = true;
}

CRegistryBatch::~CRegistryBatch() {
    Commit();
    if (m_bRegistered) {
        t_pActiveBatch = nullptr;
    }
}

CRegistryBatch* CRegistryBatch::Active(const std::string& strFile) {
    CRegistryBatch* pBatch = t_pActiveBatch;
    return pBatch != nullptr && pBatch->m_store.m_strFile == strFile ? pBatch : nullptr;
}

void CRegistryBatch::Discard() {
    if (m_state == EState::Held) {
        Run(m_store.m_pDb, "ROLLBACK");
    }
    if (m_bRegistered) {
        m_state = EState::Refused;
    }
}

LSTATUS CRegistryBatch::Commit() {
    if (m_state != EState::Held) {
        return ERROR_SUCCESS;
    }
    m_state = EState::Ended;
    const int nResult = Run(m_store.m_pDb, "COMMIT");
    if (nResult != SQLITE_OK) {
        Run(m_store.m_pDb, "ROLLBACK");
        return (nResult & 0xFF) == SQLITE_FULL ? ERROR_DISK_FULL : ERROR_REGISTRY_IO_FAILED;
    }
    return ERROR_SUCCESS;
}

void CRegistryBatch::EndOnDamage() {
    if (m_state == EState::Held) {
        Run(m_store.m_pDb, "ROLLBACK");
    }
    m_state = EState::Ended;
    m_store.Disconnect(true);
}
