// SPDX-License-Identifier: MIT
#include "views/Pentagon.h"

std::array<CPoint, 5> PentagonOnBase(int l, int r, int yBase) {
    const int w = r - l;
    const int s = MulDiv(w / 2, 11756, 10000);
    const int xLeft = l + (w - s) / 2;
    const int xRight = r - (w - s) / 2;
    const int a = MulDiv(s, 309, 1000);
    const int b = MulDiv(s, 951, 1000);
    const int c = MulDiv(s, 15388, 10000);
    return {{{xLeft, yBase},
             {xLeft - a, yBase - b},
             {l + w / 2, yBase - c},
             {xRight + a, yBase - b},
             {xRight, yBase}}};
}
