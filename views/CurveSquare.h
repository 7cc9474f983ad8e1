// SPDX-License-Identifier: MIT
// Placing a curve in its drawing square: whether the square can hold a curve at all, and
// the power-of-two square several curves are drawn on.
#pragma once

#include "platform/gdi/GdiTypes.h"

// Sides beyond this many pixels from the origin, far past any screen or bitmap, would
// overflow the curves' 32-bit geometry.
inline constexpr int kMaxCurveCoordinate = 1 << 24;

// False for a square with no inside (a window only a few pixels across) or sides beyond
// kMaxCurveCoordinate: such a square shows only its background.
bool HasRoomForCurve(const CRect& rcDraw);

// With p the smallest power of two not below the width (at least 2), rcDraw inset by
// (W - p / 2) / 2 on every side: a square of side p / 2, or one pixel more when W - p / 2
// is odd. *pnHalfPower, when given, receives p / 2.
CRect PowerOfTwoSquare(const CRect& rcDraw, int* pnHalfPower = nullptr);
