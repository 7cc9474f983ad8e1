// SPDX-License-Identifier: MIT
#include "fractals/SquareView.h"

#include <algorithm>

#include "resources/Resource.h"
#include "settings/ProgramSettings.h"
#include "views/CurveSquare.h"

// A square's sides with its halves and quarters; an odd width or height counts as one
// pixel more.
struct CSquareView::CSquare {
    int left, top, right, bottom;
    int hw, qw, hh, qh;

    CSquare(int l, int t, int r, int b)
        : left(l)
        , top(t)
        , right(r)
        , bottom(b) {
        int W = right - left;
        W += W % 2;
        int H = bottom - top;
        H += H % 2;
        hw = W / 2;
        qw = W / 4;
        hh = H / 2;
        qh = H / 4;
    }
};

namespace {

// The corners in the order they are always handled.
constexpr int kCorners[] = {1, 2, 4, 8};

} // namespace

CSquareView::CSquareView()
    : CNimbrelBaseView(kSquareSettings) {
    SetDefaults();
    BindSlider(ID_SQUARE_SLIDER_RECURSION, ID_SQUARE_RECURSION, &CSquareView::m_nLevel);
    MapGrainCommands({{ID_SQUARE_GRAIN_NORMAL, 0},
                      {ID_SQUARE_GRAIN__FILLED, 1},
                      {ID_SQUARE_GRAIN__OUTLINED, 2}});
    MapColourCommand(ID_SQUARE_COLOR, 8);
    MapClipboardCommand(ID_SQUARE_CLIPBOARD);
}

void CSquareView::SetDefaults() {
    ResetParameters();
    m_crCurve = RGB(0, 255, 255);
    m_nGrain = 2;
    m_Background.m_crFirst = RGB(255, 0, 0);
    m_Background.m_crSecond = RGB(152, 251, 152);
    m_Background.m_nFading = 5;
}

void CSquareView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) {
    m_Background.Fill(*prcBackground, pDC);
    if (!HasRoomForCurve(*prcDraw)) {
        return;
    }
    // The whole figure reaches half a side beyond the first square on every side, so a
    // first square of a quarter of the power of two fills the Sierpinski curve's square.
    int hp = 0;
    CRect rc = PowerOfTwoSquare(*prcDraw, &hp);
    const int q = hp / 4;
    rc.DeflateRect(q, q);
    // Selected back in the order they were selected, pen first.
    const CPen oldPen = pDC->SelectObject(CPen{1, m_crCurve});
    const CBrush oldBrush = pDC->SelectObject(CBrush{m_crCurve});
    DrawStep(pDC, rc.left, rc.top, rc.right, rc.bottom, 15, m_nLevel);
    pDC->SelectObject(oldPen);
    pDC->SelectObject(oldBrush);
}

void CSquareView::DrawStep(CDC* pDC, int left, int top, int right, int bottom, int nMask,
                           int nLevel) {
    // A level above the limit starts at the limit, so that the recursion ends; one below 1
    // draws like 1, and lowering it cannot overflow.
    nLevel = std::clamp(nLevel, 1, kMaxLevel);
    const CSquare s(left, top, right, bottom);
    for (int nCorner : kCorners) {
        if ((nMask & nCorner) == 0) {
            continue;
        }
        // At the deepest level no child covers the corner, so nothing is left out.
        if (m_nGrain == 0 || (m_nGrain == 2 && nLevel <= 1)) {
            DrawNormalPiece(pDC, s, nCorner);
        } else if (m_nGrain == 1) {
            DrawFilledPiece(pDC, s, nCorner);
        } else if (m_nGrain == 2) {
            DrawOutlinedPiece(pDC, s, nCorner);
        }
    }
    if (--nLevel <= 0) {
        return;
    }
    // Each child leaves out the corner that points back toward the parent's centre.
    const int qw = s.qw, qh = s.qh;
    if (nMask & 1) {
        DrawStep(pDC, right - qw, top - qh, right + qw, top + qh, 7, nLevel);
    }
    if (nMask & 2) {
        DrawStep(pDC, left - qw, top - qh, left + qw, top + qh, 11, nLevel);
    }
    if (nMask & 4) {
        DrawStep(pDC, right - qw, bottom - qh, right + qw, bottom + qh, 13, nLevel);
    }
    if (nMask & 8) {
        DrawStep(pDC, left - qw, bottom - qh, left + qw, bottom + qh, 14, nLevel);
    }
}

// The halves of the two edges that meet at the corner, drawn through the corner.
void CSquareView::DrawNormalPiece(CDC* pDC, const CSquare& s, int nCorner) {
    switch (nCorner) {
    case 1:
        pDC->MoveTo(s.right - s.hw, s.top);
        pDC->LineTo(s.right, s.top);
        pDC->LineTo(s.right, s.bottom - s.hh);
        break;
    case 2:
        pDC->MoveTo(s.left + s.hw, s.top);
        pDC->LineTo(s.left, s.top);
        pDC->LineTo(s.left, s.bottom - s.hh);
        break;
    case 4:
        pDC->MoveTo(s.right - s.hw, s.bottom);
        pDC->LineTo(s.right, s.bottom);
        pDC->LineTo(s.right, s.top + s.hh);
        break;
    case 8:
        pDC->MoveTo(s.left, s.top + s.hh);
        pDC->LineTo(s.left, s.bottom);
        pDC->LineTo(s.left + s.hw, s.bottom);
        break;
    }
}

// The quarter of the square at the corner, given by two opposite corners as they come.
void CSquareView::DrawFilledPiece(CDC* pDC, const CSquare& s, int nCorner) {
    switch (nCorner) {
    case 1:
        pDC->Rectangle(s.right - s.hw, s.top, s.right, s.top + s.hh);
        break;
    case 2:
        pDC->Rectangle(s.left + s.hw, s.top, s.left, s.top + s.hh);
        break;
    case 4:
        pDC->Rectangle(s.right - s.hw, s.bottom, s.right, s.bottom - s.hh);
        break;
    case 8:
        pDC->Rectangle(s.left, s.top + s.hh, s.left + s.hw, s.bottom);
        break;
    }
}

// The Normal piece without the quarter of each edge nearest the corner, which the child
// square grown there covers: only the outer contour of the union remains.
void CSquareView::DrawOutlinedPiece(CDC* pDC, const CSquare& s, int nCorner) {
    switch (nCorner) {
    case 1:
        pDC->MoveTo(s.right - s.hw, s.top);
        pDC->LineTo(s.right - s.qw, s.top);
        pDC->MoveTo(s.right, s.top + s.qh);
        pDC->LineTo(s.right, s.bottom - s.hh);
        break;
    case 2:
        pDC->MoveTo(s.left + s.qw, s.top);
        pDC->LineTo(s.left + s.hw, s.top);
        pDC->MoveTo(s.left, s.top + s.qh);
        pDC->LineTo(s.left, s.bottom - s.hh);
        break;
    case 4:
        pDC->MoveTo(s.right, s.top + s.hh);
        pDC->LineTo(s.right, s.bottom - s.qh);
        pDC->MoveTo(s.right - s.hw, s.bottom);
        pDC->LineTo(s.right - s.qw, s.bottom);
        break;
    case 8:
        pDC->MoveTo(s.left, s.top + s.hh);
        pDC->LineTo(s.left, s.bottom - s.qh);
        pDC->MoveTo(s.left + s.qw, s.bottom);
        pDC->LineTo(s.left + s.hw, s.bottom);
        break;
    }
}
