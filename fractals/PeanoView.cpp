// SPDX-License-Identifier: MIT
#include "fractals/PeanoView.h"

#include <algorithm>

#include "resources/Resource.h"
#include "settings/ProgramSettings.h"
#include "views/CurveSquare.h"

CPeanoView::CPeanoView()
    : CNimbrelBaseView(kPeanoSettings) {
    SetDefaults();
    BindSlider(ID_PEANO_SLIDER_RECURSION, ID_PEANO_RECURSION, &CPeanoView::m_nLevel);
    MapGrainCommands({{ID_PEANO_GRAIN_NORMAL, 0}, {ID_PEANO_GRAIN_FILLED, 1}});
    MapColourCommand(ID_PEANO_COLOR, 7);
    MapClipboardCommand(ID_PEANO_CLIPBOARD);
}

void CPeanoView::SetDefaults() {
    ResetParameters();
    m_nLevel = 2;
    m_crCurve = RGB(255, 255, 255);
    m_Background.m_crFirst = RGB(160, 85, 148);
    m_Background.m_crSecond = RGB(192, 192, 192);
    m_Background.m_nFading = 4;
}

void CPeanoView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) {
    m_Background.Fill(*prcBackground, pDC);
    if (!HasRoomForCurve(*prcDraw)) {
        return;
    }
    // The same power-of-two square as the Sierpinski curve's.
    const CRect rc = PowerOfTwoSquare(*prcDraw);
    // Selected back in the order they were selected, pen first.
    const CPen oldPen = pDC->SelectObject(CPen{1, m_crCurve});
    const CBrush oldBrush = pDC->SelectObject(CBrush{m_crCurve});
    DrawStep(pDC, rc.left, rc.top, rc.right, rc.bottom, m_nLevel, 0);
    pDC->SelectObject(oldPen);
    pDC->SelectObject(oldBrush);
}

void CPeanoView::DrawStep(CDC* pDC, int left, int top, int right, int bottom, int nLevel,
                          int nMask) {
    // A level below 0 is a cell like level 0, and one above the limit starts at the limit:
    // either way the recursion ends.
    if (nLevel <= 0) {
        DrawCell(pDC, left, top, right, bottom, nMask);
        return;
    }
    nLevel = std::min(nLevel, kMaxLevel) - 1;
    const int W = right - left;
    const int H = bottom - top;
    const int X1 = left + W / 3, X2 = right - W / 3;
    const int Y1 = top + H / 3, Y2 = bottom - H / 3;
    // Within the block the openings pair the cells up as a pinwheel around the centre; a
    // side opened in the parent passes to the middle cell of that side.
    DrawStep(pDC, left, Y2, X1, bottom, nLevel, 4);
    DrawStep(pDC, X1, Y2, X2, bottom, nLevel, (nMask & 8) | 6);
    DrawStep(pDC, X2, Y2, right, bottom, nLevel, 1);
    DrawStep(pDC, left, Y1, X1, Y2, nLevel, (nMask & 1) | 10);
    DrawStep(pDC, X1, Y1, X2, Y2, nLevel, 15);
    DrawStep(pDC, X2, Y1, right, Y2, nLevel, (nMask & 2) | 5);
    DrawStep(pDC, left, top, X1, Y1, nLevel, 2);
    DrawStep(pDC, X1, top, X2, Y1, nLevel, (nMask & 4) | 9);
    DrawStep(pDC, X2, top, right, Y1, nLevel, 8);
}

// The octagon inscribed in the cell at a ninth from its border. An opened side becomes two
// stubs out to the cell's edge, which run on into the neighbour's stubs.
void CPeanoView::DrawCell(CDC* pDC, int left, int top, int right, int bottom, int nMask) {
    const int W = right - left;
    const int H = bottom - top;
    const int X1 = left + W / 3, X2 = right - W / 3;
    const int Y1 = top + H / 3, Y2 = bottom - H / 3;
    const int xa = left + W / 9, xb = right - W / 9;
    const int ya = top + H / 9, yb = bottom - H / 9;

    // The outline's points in order, each reached by a line unless it starts a new stroke;
    // the polygon goes through all of them but the final return.
    CPoint points[17];
    bool moves[17] = {};
    int n = 0;
    const auto add = [&](int x, int y, bool bMove) {
        moves[n] = bMove;
        points[n++] = {x, y};
    };
    const auto side = [&](int nBit, CPoint a, CPoint b) {
        if (nMask & nBit) {
            add(a.x, a.y, false);
            add(b.x, b.y, true);
        }
    };
    add(xa, Y2, true);
    side(1, {left, Y2}, {left, Y1});
    add(xa, Y1, false);
    add(X1, ya, false);
    side(4, {X1, top}, {X2, top});
    add(X2, ya, false);
    add(xb, Y1, false);
    side(2, {right, Y1}, {right, Y2});
    add(xb, Y2, false);
    add(X2, yb, false);
    side(8, {X2, bottom}, {X1, bottom});
    add(X1, yb, false);
    add(xa, Y2, false);

    for (int i = 0; i < n; ++i) {
        if (moves[i]) {
            pDC->MoveTo(points[i]);
        } else {
            pDC->LineTo(points[i]);
        }
    }
    if (m_nGrain == 1) {
        pDC->SetPolyFillMode(ALTERNATE);
        pDC->Polygon(points, n - 1);
    }
}
