// SPDX-License-Identifier: MIT
// The program's five settings functions. Each opens its key anew under the current user,
// does one thing and closes the key; each answers the registry's Win32 error code, 0 on
// success (CreateRegistryBranch always answers TRUE).
#pragma once

#include <string>

#include "platform/gdi/GdiTypes.h"

// The key that holds every value of the program.
inline constexpr const char* kParameterKey = "Software\\Korvat\\Korvat Nimbrel\\Parameters";

enum : DWORD { REG_SZ = 1, REG_BINARY = 3, REG_DWORD = 4 };

// Opens the key, creating it when missing; a failed creation is shown to the user.
BOOL CreateRegistryBranch(std::string strKey);
// On failure the caller's variable keeps what it held.
long ReadRegistryString(std::string strKey, std::string strName, std::string& strText);
long ReadRegistryDword(std::string strKey, std::string strName, DWORD& dwValue);
long WriteRegistryString(std::string strKey, std::string strName, DWORD dwType,
                         std::string strText);
long WriteRegistryDword(std::string strKey, std::string strName, DWORD dwType, DWORD dwValue);
