// SPDX-License-Identifier: MIT
#include "settings/UpdateCheckSettings.h"

#include "settings/RegistryFunctions.h"

namespace {

constexpr const char* kNoUpdateCheck = "NoUpdateCheck";
constexpr const char* kCurrentVersion = "CurrentVersion";
constexpr const char* kLastCheckTime = "LastCheckTime";

constexpr DWORD kNoUpdateCheckDefault = 0;
constexpr DWORD kLastCheckTimeDefault = 0;

// The default when the value cannot be read.
DWORD ReadDword(const char* pszName, DWORD dwDefault) {
    DWORD dwValue = dwDefault;
    if (ReadRegistryDword(kParameterKey, pszName, dwValue) != ERROR_SUCCESS) {
        return dwDefault;
    }
    return dwValue;
}

} // namespace

DWORD ReadNoUpdateCheck() {
    return ReadDword(kNoUpdateCheck, kNoUpdateCheckDefault);
}

long WriteNoUpdateCheck(DWORD dwValue) {
    return WriteRegistryDword(kParameterKey, kNoUpdateCheck, REG_DWORD, dwValue);
}

std::optional<DWORD> ReadCurrentVersion() {
    DWORD dwValue = 0;
    if (ReadRegistryDword(kParameterKey, kCurrentVersion, dwValue) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return dwValue;
}

long WriteCurrentVersion(DWORD dwValue) {
    return WriteRegistryDword(kParameterKey, kCurrentVersion, REG_DWORD, dwValue);
}

DWORD ReadLastCheckTime() {
    return ReadDword(kLastCheckTime, kLastCheckTimeDefault);
}

long WriteLastCheckTime(DWORD dwValue) {
    return WriteRegistryDword(kParameterKey, kLastCheckTime, REG_DWORD, dwValue);
}
