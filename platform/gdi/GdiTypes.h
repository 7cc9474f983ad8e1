// SPDX-License-Identifier: MIT
// The value types every picture is computed in: colours, points and rectangles in signed
// 32-bit device pixels, and the rounded multiply-divide the curves scale with.
#pragma once

#include "platform/WinTypes.h"

struct CPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const CPoint&, const CPoint&) = default;
};

// Left and top are inside the rectangle, right and bottom just outside it.
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    void DeflateRect(int dx, int dy) {
        left += dx;
        top += dy;
        right -= dx;
        bottom -= dy;
    }
    // Swaps the sides where needed so that left <= right and top <= bottom.
    void NormalizeRect();

    friend bool operator==(const CRect&, const CRect&) = default;
};

// a * b / c with a 64-bit product, rounded to the nearest integer with halves away from
// zero; -1 when c is 0 or the result does not fit in 32 bits.
int MulDiv(int a, int b, int c);
