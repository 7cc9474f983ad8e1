// SPDX-License-Identifier: MIT
#include "fractals/SierpinskiView.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "resources/Resource.h"
#include "settings/ProgramSettings.h"
#include "views/CurveSquare.h"

namespace {

// from + span * num / den, the product taken in 64 bits: a cell may be as wide as the
// drawing square, and 3 x 2^29 would not fit in 32. The result lies between from and
// from + span, so it fits again.
int Part(int from, std::int64_t span, int num, int den) {
    return int(from + span * num / den);
}

} // namespace

CSierpinskiView::CSierpinskiView()
    : CNimbrelBaseView(kSierpinskiSettings) {
    SetDefaults();
    BindSlider(ID_SIERPINSKI_SLIDER_RECURSION, ID_SIERPINSKI_RECURSION, &CSierpinskiView::m_nLevel);
    MapGrainCommands({{ID_SIERPINSKI_GRAIN_NORMAL, 0}, {ID_SIERPINSKI_GRAIN_FILLED, 1}});
    MapColourCommand(ID_SIERPINSKI_COLOR, 5);
    MapClipboardCommand(ID_SIERPINSKI_CLIPBOARD);
}

void CSierpinskiView::SetDefaults() {
    ResetParameters();
    m_nLevel = 3;
    m_crCurve = RGB(0, 255, 0);
    m_nGrain = 1;
    m_Background.m_crFirst = RGB(255, 0, 0);
    m_Background.m_crSecond = RGB(0, 255, 0);
    m_Background.m_nFading = 5;
}

void CSierpinskiView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) {
    m_Background.Fill(*prcBackground, pDC);
    if (m_nLevel < 1 || !HasRoomForCurve(*prcDraw)) {
        return;
    }
    const int nLevel = std::min(m_nLevel, kMaxLevel);
    const CRect rc = PowerOfTwoSquare(*prcDraw);
    // The grid goes under the curve, in whatever pen the paint context holds.
    if (m_nParam1 != 0) {
        DrawGuideGrid(pDC, rc, nLevel);
    }
    // Selected back in the order they were selected, pen first.
    const CPen oldPen = pDC->SelectObject(CPen{1, m_crCurve});
    const CBrush oldBrush = pDC->SelectObject(CBrush{m_crCurve});
    DrawCellStep(pDC, rc.left, rc.top, rc.right, rc.bottom, nLevel, 0);
    pDC->SelectObject(oldPen);
    pDC->SelectObject(oldBrush);
}

// The eighths of the deepest cells, on which every vertex of the curve lies.
void CSierpinskiView::DrawGuideGrid(CDC* pDC, const CRect& rc, int nLevel) {
    const int g = int(8 * std::pow(2.0, nLevel - 1));
    for (int i = 0; i <= g; ++i) {
        const int y = Part(rc.top, rc.Height(), i, g);
        pDC->MoveTo(rc.left, y);
        pDC->LineTo(rc.right, y);
    }
    for (int i = 0; i <= g; ++i) {
        const int x = Part(rc.left, rc.Width(), i, g);
        pDC->MoveTo(x, rc.top);
        pDC->LineTo(x, rc.bottom);
    }
}

void CSierpinskiView::DrawCellStep(CDC* pDC, int left, int top, int right, int bottom, int nLevel,
                                   int nMask) {
    // A level below 1 (only a direct caller can pass one) is a cell, like level 1, and a
    // level above the limit starts at the limit: either way the recursion ends.
    if (nLevel <= 1) {
        DrawCell(pDC, left, top, right, bottom, nMask);
        return;
    }
    nLevel = std::min(nLevel, kMaxLevel) - 1;
    const std::int64_t W = std::int64_t(right) - left;
    const std::int64_t H = std::int64_t(bottom) - top;
    const int x2 = Part(left, W, 1, 4), x4 = Part(left, W, 1, 2), x6 = int(right - W / 4);
    const int y2 = Part(top, H, 1, 4), y4 = Part(top, H, 1, 2), y6 = int(bottom - H / 4);
    DrawCellStep(pDC, x4, top, right, y4, nLevel, (nMask & 2) | 4);
    DrawCellStep(pDC, x4, y4, right, bottom, nLevel, (nMask & 8) | 1);
    DrawCellStep(pDC, left, y4, x4, bottom, nLevel, (nMask & 4) | 2);
    DrawCellStep(pDC, left, top, x4, y4, nLevel, (nMask & 1) | 8);
    DrawCellStep(pDC, x2, y2, x6, y6, nLevel, 15);
}

// The sixteen-point notched outline of one cell. The corner diagonals named in nMask are
// skipped with a move, so that the outline runs on into its neighbour's.
void CSierpinskiView::DrawCell(CDC* pDC, int left, int top, int right, int bottom, int nMask) {
    const std::int64_t W = std::int64_t(right) - left;
    const std::int64_t H = std::int64_t(bottom) - top;
    const int x1 = Part(left, W, 1, 8), x2 = Part(left, W, 1, 4), x3 = Part(left, W, 3, 8);
    const int x5 = int(right - 3 * W / 8), x6 = int(right - W / 4), x7 = int(right - W / 8);
    const int y1 = Part(top, H, 1, 8), y2 = Part(top, H, 1, 4), y3 = Part(top, H, 3, 8);
    const int y5 = int(bottom - 3 * H / 8), y6 = int(bottom - H / 4), y7 = int(bottom - H / 8);
    const CPoint q[16] = {{x3, y2}, {x5, y2}, {x6, y1}, {x7, y2}, {x6, y3}, {x6, y5},
                          {x7, y6}, {x6, y7}, {x5, y6}, {x3, y6}, {x2, y7}, {x1, y6},
                          {x2, y5}, {x2, y3}, {x1, y2}, {x2, y1}};
    // The step that arrives at each of these points crosses the diagonal of one corner.
    const auto skipped = [nMask](int i) {
        return (i == 3 && (nMask & 2)) || (i == 7 && (nMask & 8)) || (i == 11 && (nMask & 4)) ||
               (i == 15 && (nMask & 1));
    };
    pDC->MoveTo(q[0]);
    for (int i = 1; i < 16; ++i) {
        if (skipped(i)) {
            pDC->MoveTo(q[i]);
        } else {
            pDC->LineTo(q[i]);
        }
    }
    pDC->LineTo(q[0]);
    if (m_nGrain == 1) {
        pDC->SetPolyFillMode(ALTERNATE);
        pDC->Polygon(q, 16);
    }
}
