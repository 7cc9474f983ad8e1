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

// An accelerator: the command it sends and its key in Qt's portable text form.
struct CAcceleratorData {
    UINT nID;
    const char* pszKey;
};

// Accelerator table 128, the main window's keys.
std::span<const CAcceleratorData> FrameAccelerators();
