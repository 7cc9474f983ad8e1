// SPDX-License-Identifier: MIT
// The settings strings the views write as the program ends go into one transaction of the
// store. When another program holds the store's lock beyond one bounded wait the user is
// told once and chooses: try again, or quit without saving; either way the program never
// hangs on the lock value after value.
#pragma once

#include <memory>

#include "platform/registry/RegistryBatch.h"

// The text of the question, shown with Retry and Cancel.
inline constexpr const char* kSettingsLockedText =
    "The settings cannot be saved now: another program is using the settings store.\n\n"
    "Retry to try again, or Cancel to quit without saving the settings of this session.";

// Once the user has chosen to quit without saving, later scopes of the run do not ask again.
class CSettingsSaveScope {
public:
    explicit CSettingsSaveScope(int nWaitMilliseconds = CRegistryBatch::kDefaultWait);
    // Commits what was written while it lived.
    ~CSettingsSaveScope();
    // Forgets that the user chose to quit without saving (a new run, as tests make them).
    static void AskAgain();
    CSettingsSaveScope(const CSettingsSaveScope&) = delete;
    CSettingsSaveScope& operator=(const CSettingsSaveScope&) = delete;

private:
    std::unique_ptr<CRegistryBatch> m_pBatch;
};
