// SPDX-License-Identifier: MIT
#include "views/CurveSquare.h"

#include <initializer_list>

bool HasRoomForCurve(const CRect& rcDraw) {
    for (int c : {rcDraw.left, rcDraw.top, rcDraw.right, rcDraw.bottom}) {
        if (c < -kMaxCurveCoordinate || c > kMaxCurveCoordinate) {
            return false;
        }
    }
    return !rcDraw.IsRectEmpty();
}

CRect PowerOfTwoSquare(const CRect& rcDraw, int* pnHalfPower) {
    const int W = rcDraw.Width();
    int p = 2;
    while (p < W) {
        p *= 2;
    }
    if (pnHalfPower != nullptr) {
        *pnHalfPower = p / 2;
    }
    const int d = (W - p / 2) / 2;
    return {rcDraw.left + d, rcDraw.top + d, rcDraw.right - d, rcDraw.bottom - d};
}
