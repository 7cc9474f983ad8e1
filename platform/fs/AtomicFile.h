// SPDX-License-Identifier: MIT
// Writes a whole text file or nothing: the text goes to a temporary file beside the target,
// which is renamed over it once complete. The target is a regular file or a new name (see
// OutputTarget.h).
#pragma once

#include <string>
#include <sys/types.h>

// Empty on success, else what went wrong. The file gets the permissions nMode.
std::string WriteFileAtomically(const std::string& strPath, const std::string& strText,
                                mode_t nMode = 0644);
