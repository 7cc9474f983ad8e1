// SPDX-License-Identifier: MIT
// The string table and the program's fixed names: titles, captions and the maker's web
// host (the status-bar link opens its site; the web commands use the same host).
#pragma once

#include <string>

#include "platform/WinTypes.h"

inline constexpr const char* kFrameTitle = "Korvat Nimbrel 2.0";
inline constexpr const char* kProductVersionName = "Nimbrel 2.0";
inline constexpr const char* kMakerHost = "www.korvat.com";
inline constexpr const char* kMakerSite = "http://www.korvat.com";

// The text of a string resource; empty for an identifier the table does not hold.
std::string LoadResourceString(UINT nID);
