// SPDX-License-Identifier: MIT
#include "platform/gdi/GdiTypes.h"

#include <cstdint>
#include <limits>
#include <utility>

void CRect::NormalizeRect() {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
}

int MulDiv(int a, int b, int c) {
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
