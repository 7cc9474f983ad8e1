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

// The "&Application Look" submenu of menu resource 128: the looks 205 to 210 and the four
// Office 2007 styles. The ribbon frame does not show this menu; the texts name the looks.
std::span<const CMenuItemData> ApplicationLookMenu();

// An accelerator: the command it sends and its key in Qt's portable text form.
struct CAcceleratorData {
    UINT nID;
    const char* pszKey;
};

// Accelerator table 128, the main window's keys.
std::span<const CAcceleratorData> FrameAccelerators();
