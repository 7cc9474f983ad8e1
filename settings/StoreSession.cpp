// SPDX-License-Identifier: MIT
#include "settings/StoreSession.h"

#include "settings/StoreKeys.h"

CStoreSession::CStoreSession() {
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kFrameworkKey, 0, KEY_READ, &m_hKey) != ERROR_SUCCESS) {
        m_hKey = nullptr;
    }
}

CStoreSession::~CStoreSession() {
    if (m_hKey != nullptr) {
        RegCloseKey(m_hKey);
    }
}
