// SPDX-License-Identifier: MIT
// The framework's own profile: integer and binary values under the program's key (a
// section, when given, is a subkey of it). It keeps the
// application look and the window and docking layout between runs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/StoreKeys.h"

// nDefault when the value is missing or unreadable.
int GetProfileInt(const std::string& strSection, const std::string& strEntry, int nDefault);
bool WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue);
std::optional<std::vector<std::uint8_t>> GetProfileBinary(const std::string& strSection,
                                                          const std::string& strEntry);
bool WriteProfileBinary(const std::string& strSection, const std::string& strEntry,
                        const std::vector<std::uint8_t>& data);
