// SPDX-License-Identifier: MIT
// The value types every picture is computed in: colours, points and rectangles in signed
// 32-bit device pixels, and the rounded multiply-divide the curves scale with.
#pragma once

#include <cstdint>
#include <limits>

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
// zero; -1 when c is 0 or the result does not fit in 32 bits. Inline: the curves call it
// millions of times a paint (twice per step of the Von Koch subdivision).
inline int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = std::int64_t(a) * b;
    const bool negative = (product < 0) != (c < 0);
    // Work on magnitudes so that a half rounds away from zero on both sides.
    const std::uint64_t num = product < 0 ? std::uint64_t(-product) : std::uint64_t(product);
    const std::uint64_t den = c < 0 ? std::uint64_t(-std::int64_t(c)) : std::uint64_t(c);
    const std::uint64_t magnitude = (num + den / 2) / den;
    if (negative) {
        if (magnitude > std::uint64_t(std::numeric_limits<int>::max()) + 1) {
            return -1;
        }
        return int(-std::int64_t(magnitude));
    }
    if (magnitude > std::uint64_t(std::numeric_limits<int>::max())) {
        return -1;
    }
    return int(magnitude);
}
