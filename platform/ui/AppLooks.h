// SPDX-License-Identifier: MIT
// The application looks (visual managers): each look is Qt's Fusion style with a palette
// and a style sheet of its own, dressing the whole window (ribbon, panes, status bar, the
// view area's surround) and the dialogs alike. The ribbon's Windows 7 look is a switch of
// its own on the ribbon widget.
#pragma once

#include "platform/WinTypes.h"

class QWidget;

// The look identifiers form one command range.
inline constexpr UINT kFirstAppLook = 205;
inline constexpr UINT kLastAppLook = 219;

bool IsAppLook(UINT nLook);
// Whether the look docks with the smart docking markers (all but the three oldest).
bool UsesSmartDocking(UINT nLook);
// Installs the look on the whole application. An identifier outside the range installs
// the default look (Visual Studio 2008).
void InstallAppLook(UINT nLook);
// The look installed last; 0 before the first.
UINT GetInstalledAppLook();

// The ribbon's flatter, lighter Windows 7 look, on or off; the style sheet dresses the
// ribbon by this switch.
void SetRibbonWindows7Look(QWidget* pRibbon, bool bOn);
bool HasRibbonWindows7Look(const QWidget* pRibbon);
