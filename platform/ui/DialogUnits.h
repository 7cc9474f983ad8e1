// SPDX-License-Identifier: MIT
// Dialog units to pixels, as dialog templates are laid out: a horizontal unit is a quarter
// of the font's average character width, a vertical unit an eighth of its height.
#pragma once

#include <QFont>
#include <QRect>

struct CDialogBaseUnits {
    int cx = 0;
    int cy = 0;
};

// An 8-point dialog font's base units at 96 dots per inch.
inline constexpr CDialogBaseUnits kEightPointDialogUnits{6, 13};

// The base units of a font: the average width of the 52 Latin letters, rounded, and the
// character height; never zero, whatever the font.
CDialogBaseUnits DialogBaseUnits(const QFont& font);
// A rectangle in dialog units (x, y, width, height) in pixels. Each edge is converted on its
// own, as a dialog template's rectangles are, so neighbouring controls stay neighbours.
QRect MapDialogRect(int x, int y, int cx, int cy, CDialogBaseUnits units);
