// SPDX-License-Identifier: MIT
// One transaction of the settings store for many registry calls: while a batch is alive,
// every call of this thread works inside it, so the store's write lock is taken once, with
// one bounded wait, instead of once per value (each waiting out the busy timeout when
// another program holds the lock). The program's exit writes its settings this way.
#pragma once

#include "platform/registry/Registry.h"
#include "platform/registry/RegistryStore.h"

class CRegistryBatch {
public:
    // How long the batch waits for another program's write lock, in milliseconds.
    static constexpr int kDefaultWait = 2000;

    explicit CRegistryBatch(int nWaitMilliseconds = kDefaultWait);
    // Commits what the calls inside wrote, unless discarded.
    ~CRegistryBatch();
    CRegistryBatch(const CRegistryBatch&) = delete;
    CRegistryBatch& operator=(const CRegistryBatch&) = delete;

    // ERROR_SUCCESS when the calls inside write into the batch's transaction;
    // ERROR_SHARING_VIOLATION when another program held the lock for the whole wait (calls
    // then fail at once with that code); any other code when the store cannot be written
    // (calls then run each on its own, as without a batch).
    LSTATUS Status() const { return m_nStatus; }
    // Drops what was written inside; later calls fail at once with ERROR_SHARING_VIOLATION.
    void Discard();
    // Commits now; the result of the commit (ERROR_SUCCESS when nothing was held).
    LSTATUS Commit();

private:
    friend class CRegistryStore;
    enum class EState {
        Held,    // the transaction is open: calls use it
        Refused, // calls fail at once
        Ended,   // calls run on their own connections
    };
    // The batch of this thread, if any, and whether calls on strFile go through it.
    static CRegistryBatch* Active(const std::string& strFile);
    // A call inside found the file damaged: the transaction is given up and the store set
    // aside as usual; the rest of the calls run on their own.
    void EndOnDamage();

    CRegistryStore m_store;
    EState m_state = EState::Ended;
    LSTATUS m_nStatus = ERROR_SUCCESS;
    bool m_bRegistered = false;
};
