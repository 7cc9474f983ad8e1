// SPDX-License-Identifier: MIT
// The value types every picture is computed in: colours, points and rectangles in signed
// 32-bit device pixels, and the rounded multiply-divide the curves scale with.
#pragma once

#include <cstdint>

using BYTE = std::uint8_t;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using BOOL = int;

// A colour 0x00BBGGRR: red in the low byte.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF cr) {
    return BYTE(cr & 0xFF);
}
constexpr BYTE GetGValue(COLORREF cr) {
    return BYTE((cr >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF cr) {
    return BYTE((cr >> 16) & 0xFF);
}

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
