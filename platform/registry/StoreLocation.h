// SPDX-License-Identifier: MIT
// Where the current user's settings store lives: "Korvat/Korvat Nimbrel/registry.sqlite3"
// under $XDG_CONFIG_HOME, or under $HOME/.config when that is unset. The environment is read
// at every call, so a test can point the store at a folder of its own.
#pragma once

#include <string>

#include "platform/registry/Registry.h"

// The folder that holds the store; empty when neither variable gives an absolute path.
std::string RegistryStoreFolder();
// The store file inside that folder; empty like the folder.
std::string RegistryStoreFile();
// Creates the folder and its parents when missing; a Win32 error code.
LSTATUS MakeStoreFolder(const std::string& strFolder);
