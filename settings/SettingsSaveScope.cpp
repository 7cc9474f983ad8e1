// SPDX-License-Identifier: MIT
#include "settings/SettingsSaveScope.h"

#include "platform/ui/core/MessageBox.h"

namespace {

// Once the user has chosen to quit without saving, the rest of the shut-down does not ask
// again (the frame's own state and the views are saved at two moments).
bool g_bQuitWithoutSaving = false;

} // namespace

CSettingsSaveScope::CSettingsSaveScope(int nWaitMilliseconds) {
    for (;;) {
        // Once declined, the lock is only tried, never waited for.
        m_pBatch = std::make_unique<CRegistryBatch>(g_bQuitWithoutSaving ? 0 : nWaitMilliseconds);
        if (m_pBatch->Status() != ERROR_SHARING_VIOLATION) {
            return;
        }
        if (g_bQuitWithoutSaving ||
            AfxMessageBox(kSettingsLockedText, MB_RETRYCANCEL | MB_ICONWARNING) != IDRETRY) {
            // The writes that follow fail at once instead of each waiting for the lock.
            g_bQuitWithoutSaving = true;
            m_pBatch->Discard();
            return;
        }
        // The lock of this batch is let go before the next one tries.
        m_pBatch.reset();
    }
}

CSettingsSaveScope::~CSettingsSaveScope() {
    m_pBatch->Commit();
}

void CSettingsSaveScope::AskAgain() {
    g_bQuitWithoutSaving = false;
}
