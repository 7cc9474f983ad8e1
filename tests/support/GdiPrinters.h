// SPDX-License-Identifier: MIT
// Readable failure messages for the drawing types.
#pragma once

#include <ostream>

#include "platform/gdi/GdiTypes.h"

inline void PrintTo(const CRect& rc, std::ostream* os) {
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

inline void PrintTo(const CPoint& pt, std::ostream* os) {
    *os << "(" << pt.x << ", " << pt.y << ")";
}
