// SPDX-License-Identifier: MIT
// The program's five settings functions. Each opens its key anew under the current user,
// does one thing and closes the key; each answers the registry's Win32 error code, 0 on
// success (CreateRegistryBranch always answers TRUE).
#pragma once

#include <string>

#include "platform/registry/Registry.h"
#include "settings/StoreKeys.h"

// The text functions' buffer in bytes: a stored text value longer than this cannot be read,
// and a text of this many characters or more (no room left for its terminator) is not written.
inline constexpr DWORD kRegistryTextBuffer = 500;

// Opens the key, creating it when missing; a failed creation is shown to the user.
BOOL CreateRegistryBranch(std::string strKey);
// On failure the caller's variable keeps what it held. A text comes back without the last
// stored byte (its terminator); the value's type is not looked at.
long ReadRegistryString(std::string strKey, std::string strName, std::string& strText);
long ReadRegistryDword(std::string strKey, std::string strName, DWORD& dwValue);
// Stores the text with its terminator; texts too long for the buffer answer
// ERROR_INVALID_PARAMETER. Both writes fail on a missing key, except after a damaged store
// was replaced during the run: then they create the key the fresh store lacks.
long WriteRegistryString(std::string strKey, std::string strName, DWORD dwType,
                         std::string strText);
long WriteRegistryDword(std::string strKey, std::string strName, DWORD dwType, DWORD dwValue);
