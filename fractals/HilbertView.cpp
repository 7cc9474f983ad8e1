// SPDX-License-Identifier: MIT
#include "fractals/HilbertView.h"

#include <algorithm>
#include <cstdint>

#include "resources/Resource.h"
#include "settings/ProgramSettings.h"
#include "views/CurveSquare.h"

namespace {

int ClampLevel(int nLevel) {
    return std::clamp(nLevel, 1, CHilbertView::kMaxLevel);
}

// r x 2^nExponent, exact for the clamped level and ratio.
std::int64_t GridCount(int r, int nExponent) {
    return std::int64_t(r) << nExponent;
}

// The part of a side of the parent, n - 1 grid steps long, that g steps of it take.
int Part(int nSide, std::int64_t g, std::int64_t n) {
    return int(nSide * g / (n - 1));
}

} // namespace

CHilbertView::CHilbertView()
    : CNimbrelBaseView(kHilbertSettings) {
    SetDefaults();
    BindSlider(ID_HILBERT_SLIDER_RECURSION, ID_HILBERT_RECURSION, &CHilbertView::m_nLevel);
    BindSlider(ID_HILBERT_SLIDER_SIMILARITY, ID_HILBERT_SIMILARITY, &CHilbertView::m_nParam1);
    MapColourCommand(ID_HILBERT_COLOR, 2);
    MapClipboardCommand(ID_HILBERT_CLIPBOARD);
}

void CHilbertView::SetDefaults() {
    ResetParameters();
    m_nLevel = 4;
    m_crCurve = RGB(0, 147, 0);
    m_nParam1 = 2;
    m_Background.m_crFirst = RGB(255, 215, 0);
    m_Background.m_crSecond = RGB(255, 104, 32);
    m_Background.m_nFading = 6;
}

int CHilbertView::Ratio() const {
    return std::clamp(m_nParam1, 1, kMaxRatio);
}

// The level-1 "U" along the border of the cell, one move and three lines.
void CHilbertView::DrawCell(CDC* pDC, int x1, int y1, int x2, int y2, int nType) const {
    CPoint u[4];
    switch (nType) {
    case OpenLeft:
        u[0] = {x1, y1}, u[1] = {x2, y1}, u[2] = {x2, y2}, u[3] = {x1, y2};
        break;
    case OpenRight:
        u[0] = {x2, y1}, u[1] = {x1, y1}, u[2] = {x1, y2}, u[3] = {x2, y2};
        break;
    case OpenTop:
        u[0] = {x1, y1}, u[1] = {x1, y2}, u[2] = {x2, y2}, u[3] = {x2, y1};
        break;
    case OpenBottom:
        u[0] = {x1, y2}, u[1] = {x1, y1}, u[2] = {x2, y1}, u[3] = {x2, y2};
        break;
    default:
        return;
    }
    pDC->MoveTo(u[0]);
    for (int i = 1; i < 4; ++i) {
        pDC->LineTo(u[i]);
    }
}

void CHilbertView::DrawStep(CDC* pDC, int x1, int y1, int x2, int y2, int nType, int nLevel) {
    if (nType != OpenLeft && nType != OpenRight && nType != OpenTop && nType != OpenBottom) {
        return;
    }
    nLevel = ClampLevel(nLevel);
    if (nLevel == 1) {
        DrawCell(pDC, x1, y1, x2, y2, nType);
        return;
    }
    const int e = nLevel - 1;
    const std::int64_t n = GridCount(Ratio(), e);
    const std::int64_t g = n / 2 - 1;
    const int hx = Part(x2 - x1, g, n);
    const int hy = Part(y2 - y1, g, n);
    struct CCell {
        int x1, y1, x2, y2;
    };
    const CCell tl{x1, y1, x1 + hx, y1 + hy};
    const CCell tr{x2 - hx, y1, x2, y1 + hy};
    const CCell bl{x1, y2 - hy, x1 + hx, y2};
    const CCell br{x2 - hx, y2 - hy, x2, y2};
    auto cell = [this, pDC, e](const CCell& c, int nCellType) {
        DrawStep(pDC, c.x1, c.y1, c.x2, c.y2, nCellType, e);
    };
    auto connect = [pDC](int xa, int ya, int xb, int yb) {
        pDC->MoveTo(xa, ya);
        pDC->LineTo(xb, yb);
    };
    switch (nType) {
    case OpenLeft:
        cell(bl, OpenBottom), cell(br, OpenLeft), cell(tr, OpenLeft), cell(tl, OpenTop);
        connect(x1 + hx, y1, x2 - hx, y1);
        connect(x1 + hx, y2, x2 - hx, y2);
        connect(x2 - hx, y1 + hy, x2 - hx, y2 - hy);
        break;
    case OpenRight:
        cell(tr, OpenTop), cell(tl, OpenRight), cell(bl, OpenRight), cell(br, OpenBottom);
        connect(x1 + hx, y1, x2 - hx, y1);
        connect(x1 + hx, y2, x2 - hx, y2);
        connect(x1 + hx, y1 + hy, x1 + hx, y2 - hy);
        break;
    case OpenTop:
        cell(tl, OpenLeft), cell(bl, OpenTop), cell(br, OpenTop), cell(tr, OpenRight);
        connect(x1, y1 + hy, x1, y2 - hy);
        connect(x2, y1 + hy, x2, y2 - hy);
        connect(x1 + hx, y2 - hy, x2 - hx, y2 - hy);
        break;
    case OpenBottom:
        cell(bl, OpenLeft), cell(tl, OpenBottom), cell(tr, OpenBottom), cell(br, OpenRight);
        connect(x1, y1 + hy, x1, y2 - hy);
        connect(x2, y1 + hy, x2, y2 - hy);
        connect(x1 + hx, y1 + hy, x2 - hx, y1 + hy);
        break;
    }
}

void CHilbertView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) {
    CRect rc = *prcDraw;
    m_Background.Fill(*prcBackground, pDC);
    if (!HasRoomForCurve(rc)) {
        return;
    }
    // The largest power of two below W (half of W when W is one), centred.
    rc = PowerOfTwoSquare(rc);

    CSelectPen pen(pDC, CPen{1, m_crCurve});
    const int nLevel = ClampLevel(m_nLevel);
    const std::int64_t n = GridCount(Ratio(), nLevel);
    const std::int64_t f = n / 2 - 1;
    if (f == 0) {
        return;
    }
    // Shrink the outer cell to a whole number of grid steps, centred.
    const int W1 = rc.Width();
    const int H1 = rc.Height();
    const int Wq = int(Part(W1, f, n) * (n - 1) / f);
    const int Hq = int(Part(H1, f, n) * (n - 1) / f);
    const int xo = (W1 - Wq) / 2;
    const int yo = (H1 - Hq) / 2;
    DrawStep(pDC, rc.left + xo, rc.top + yo, rc.right - xo, rc.bottom - yo, OpenTop, nLevel);
}
