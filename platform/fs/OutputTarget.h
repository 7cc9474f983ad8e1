// SPDX-License-Identifier: MIT
// Where an output of the renderer really goes: a symbolic link is followed to the file it
// names, an existing regular file keeps its permissions, and anything that is not a regular
// file or a new name (a device, a FIFO, a socket, a directory) is refused before any work.
#pragma once

#include <string>
#include <sys/types.h>

struct COutputTarget {
    std::string strPath;  // the file to replace or create, links followed
    mode_t nMode = 0644;  // the permissions the written file gets
    std::string strError; // one line when the name is refused; strPath is then empty
};

COutputTarget ResolveOutputTarget(const std::string& strPath);
