// SPDX-License-Identifier: MIT
// Writes a whole text file or nothing: the text goes to a temporary file beside the target,
// which is renamed over it once complete.
#pragma once

#include <string>

// Empty on success, else what went wrong.
std::string WriteFileAtomically(const std::string& strPath, const std::string& strText);
