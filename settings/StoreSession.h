// SPDX-License-Identifier: MIT
// Keeps the program's key open while many values are written in a row (the window and the
// ten views saving at the end of a run). Each value is still written through its own short
// key handle; with this one open, the store is brought to disk once, when it closes, instead
// of after every value, which on a real disk costs tens of milliseconds each.
#pragma once

#include "platform/registry/Registry.h"

class CStoreSession {
public:
    CStoreSession();
    ~CStoreSession();
    CStoreSession(const CStoreSession&) = delete;
    CStoreSession& operator=(const CStoreSession&) = delete;

    // False when the key could not be opened; the values are written all the same.
    bool IsOpen() const { return m_hKey != nullptr; }

private:
    HKEY m_hKey = nullptr;
};
