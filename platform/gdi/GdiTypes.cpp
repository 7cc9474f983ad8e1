// SPDX-License-Identifier: MIT
#include "platform/gdi/GdiTypes.h"

#include <utility>

void CRect::NormalizeRect() {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
}
