// SPDX-License-Identifier: MIT
// The program's menus as data: each a list of items, a separator where the identifier is 0.
#pragma once

#include <span>

#include "platform/WinTypes.h"

struct CMenuItemData {
    UINT nID; // 0 for a separator
    const char* pszText;
};

// Menu resource 182: the output list's context menu.
std::span<const CMenuItemData> OutputPopupMenu();
