// SPDX-License-Identifier: MIT
// Dialog units to pixels, as a dialog template's rectangles are laid out: a horizontal unit
// is a quarter of the dialog font's average character width, a vertical unit an eighth of
// its height. The templates use an 8-point dialog font, whose base units at 96 dots per
// inch are 6 by 13 pixels.
#pragma once

#include "platform/gdi/GdiTypes.h"

inline constexpr int kDialogBaseUnitX = 6;
inline constexpr int kDialogBaseUnitY = 13;

// A template rectangle (x, y, width, height in dialog units) in pixels; each edge is
// converted on its own, so neighbouring controls stay neighbours.
inline CRect MapDialogRect(int x, int y, int cx, int cy) {
    return CRect{MulDiv(x, kDialogBaseUnitX, 4), MulDiv(y, kDialogBaseUnitY, 8),
                 MulDiv(x + cx, kDialogBaseUnitX, 4), MulDiv(y + cy, kDialogBaseUnitY, 8)};
}
