// SPDX-License-Identifier: MIT
// TODO: the store over SQLite; until then no value can be read or written.
#include "settings/RegistryFunctions.h"

BOOL CreateRegistryBranch(std::string) { return 1; }
long ReadRegistryString(std::string, std::string, std::string&) { return 2; }
long ReadRegistryDword(std::string, std::string, DWORD&) { return 2; }
long WriteRegistryString(std::string, std::string, DWORD, std::string) { return 2; }
long WriteRegistryDword(std::string, std::string, DWORD, DWORD) { return 2; }
