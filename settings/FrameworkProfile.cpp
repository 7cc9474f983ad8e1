// SPDX-License-Identifier: MIT
// TODO: over the settings store; until then nothing is kept.
#include "settings/FrameworkProfile.h"

int GetProfileInt(const std::string&, const std::string&, int nDefault) { return nDefault; }
bool WriteProfileInt(const std::string&, const std::string&, int) { return false; }
std::optional<std::vector<std::uint8_t>> GetProfileBinary(const std::string&, const std::string&) {
    return std::nullopt;
}
bool WriteProfileBinary(const std::string&, const std::string&, const std::vector<std::uint8_t>&) {
    return false;
}
