// SPDX-License-Identifier: MIT
#include "fractals/SierpinskiObjView.h"

#include <algorithm>
#include <cstdint>

#include "resources/Resource.h"
#include "settings/ProgramSettings.h"
#include "views/CurveSquare.h"
#include "views/Pentagon.h"

CSierpinskiObjView::CSierpinskiObjView()
    : CNimbrelBaseView(kSierpinskiObjSettings) {
    SetDefaults();
    BindSlider(ID_SIERPINSKI_OBJ_SLIDER_RECURSION, ID_SIERPINSKI_OBJ_RECURSION,
               &CSierpinskiObjView::m_nLevel);
    MapFrameCommands({{ID_SIERP_OBJ_FRAME_TRIANGLE, 3},
                      {ID_SIERP_OBJ_FRAME_SQUARE, 4},
                      {ID_SIERP_OBJ_FRAME_PENTAGON, 5},
                      {ID_SIERP_OBJ_FRAME_HEXAGON, 6}});
    MapGrainCommands({{ID_SIERP_OBJ_GRAIN_NORMAL, 0}, {ID_SIERP_OBJ_GRAIN_FILLED, 1}});
    MapColourCommand(ID_SIERP_OBJ_COLOR, 6);
    MapClipboardCommand(ID_SIERP_OBJ_CLIPBOARD);
}

void CSierpinskiObjView::SetDefaults() {
    ResetParameters();
    m_nLevel = 4;
    m_crCurve = RGB(60, 180, 120);
    m_nFrame = 3;
    m_nParam2 = 100000;
    m_nParam3 = 1;
    m_Background.m_crFirst = RGB(0, 255, 0);
    m_Background.m_crSecond = RGB(255, 255, 255);
    m_Background.m_nFading = 3;
}

void CSierpinskiObjView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) {
    m_Background.Fill(*prcBackground, pDC);
    if (!HasRoomForCurve(*prcDraw)) {
        return;
    }
    // Selected back in the order they were selected, pen first.
    const CPen oldPen = pDC->SelectObject(CPen{1, m_crCurve});
    const CBrush oldBrush = pDC->SelectObject(CBrush{m_crCurve});
    DrawObject(pDC, *prcDraw);
    pDC->SelectObject(oldPen);
    pDC->SelectObject(oldBrush);
}

// Builds the start figure of m_nFrame and draws it recursively or as a cloud.
void CSierpinskiObjView::DrawObject(CDC* pDC, const CRect& rc) {
    const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom;
    const int W = R - L;
    const int half = W / 2;
    const int m = std::max(W / 50, 2);
    const bool bCloud = m_nParam1 != 0;
    switch (m_nFrame) {
    case 3: {
        // The apex lies m pixels right of the middle of the base.
        const CPoint p1{L + m, B - m}, p2{R - m, B - m}, p3{L + m + half, T + m};
        if (bCloud) {
            ScatterTriangle(pDC, p1.x, p1.y, p2.x, p2.y, p3.x, p3.y);
        } else {
            DrawTriangleStep(pDC, p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, m_nLevel);
        }
        break;
    }
    case 4:
        if (bCloud) {
            ScatterCarpet(pDC, L + m, T + m, R - m, B - m);
        } else {
            DrawCarpetStep(pDC, L + m, T + m, R - m, B - m, m_nLevel);
        }
        break;
    case 5: {
        const std::array<CPoint, 5> p = PentagonOnBase(L, R, B - (B - T) / 40 - m);
        if (bCloud) {
            ScatterPentagon(pDC, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y,
                            p[4].x, p[4].y);
        } else {
            DrawPentagonStep(pDC, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y,
                             p[4].x, p[4].y, m_nLevel);
        }
        break;
    }
    case 6: {
        const int r = half - m;
        const int cx = L + half, yT = T + m, yB = B - m;
        const int w = MulDiv(r, 866, 1000); // cos 30 degrees
        const int yU = yT + r / 2, yLo = yB - r / 2;
        const CPoint v[6] = {{cx, yB}, {cx - w, yLo}, {cx - w, yU},
                             {cx, yT}, {cx + w, yU},  {cx + w, yLo}};
        if (bCloud) {
            ScatterHexagon(pDC, v[0].x, v[0].y, v[1].x, v[1].y, v[2].x, v[2].y, v[3].x, v[3].y,
                           v[4].x, v[4].y, v[5].x, v[5].y);
        } else {
            DrawHexagonStep(pDC, v[0].x, v[0].y, v[1].x, v[1].y, v[2].x, v[2].y, v[3].x, v[3].y,
                            v[4].x, v[4].y, v[5].x, v[5].y, m_nLevel);
        }
        break;
    }
    default:
        break;
    }
}

// A leaf's vertices, closed by repeating the first: an outline, or a filled polygon.
void CSierpinskiObjView::DrawLeaf(CDC* pDC, const CPoint* pPoints, int nCount) {
    if (m_nGrain == 0) {
        pDC->Polyline(pPoints, nCount);
    } else if (m_nGrain == 1) {
        pDC->SetPolyFillMode(ALTERNATE);
        pDC->Polygon(pPoints, nCount);
    }
}

// In every step a level below 1 is a leaf like level 1, and one above the limit starts at
// the limit: either way the recursion ends.

void CSierpinskiObjView::DrawTriangleStep(CDC* pDC, int x1, int y1, int x2, int y2, int x3, int y3,
                                          int nLevel) {
    if (nLevel <= 1) {
        const CPoint leaf[4] = {{x1, y1}, {x2, y2}, {x3, y3}, {x1, y1}};
        DrawLeaf(pDC, leaf, 4);
        return;
    }
    nLevel = std::min(nLevel, kMaxLevel) - 1;
    const int x12 = (x1 + x2) / 2, y12 = (y1 + y2) / 2;
    const int x13 = (x1 + x3) / 2, y13 = (y1 + y3) / 2;
    const int x23 = (x2 + x3) / 2, y23 = (y2 + y3) / 2;
    DrawTriangleStep(pDC, x1, y1, x13, y13, x12, y12, nLevel);
    DrawTriangleStep(pDC, x13, y13, x3, y3, x23, y23, nLevel);
    DrawTriangleStep(pDC, x12, y12, x23, y23, x2, y2, nLevel);
}

void CSierpinskiObjView::DrawCarpetStep(CDC* pDC, int left, int top, int right, int bottom,
                                        int nLevel) {
    const int X1 = left + (right - left) / 3, X2 = right - (right - left) / 3;
    const int Y1 = top + (bottom - top) / 3, Y2 = bottom - (bottom - top) / 3;
    if (nLevel <= 1) {
        // Normal shows only the hole; any other grain fills the cell around it.
        if (m_nGrain == 0) {
            const CPoint hole[5] = {{X1, Y1}, {X1, Y2}, {X2, Y2}, {X2, Y1}, {X1, Y1}};
            pDC->Polyline(hole, 5);
        } else {
            pDC->Rectangle(left, top, right, Y1);
            pDC->Rectangle(left, Y2, right, bottom);
            pDC->Rectangle(left, Y1, X1, Y2);
            pDC->Rectangle(X2, Y1, right, Y2);
        }
        return;
    }
    nLevel = std::min(nLevel, kMaxLevel) - 1;
    // The eight outer ninths; the middle one stays empty.
    DrawCarpetStep(pDC, left, top, X1, Y1, nLevel);
    DrawCarpetStep(pDC, X1, top, X2, Y1, nLevel);
    DrawCarpetStep(pDC, X2, top, right, Y1, nLevel);
    DrawCarpetStep(pDC, left, Y1, X1, Y2, nLevel);
    DrawCarpetStep(pDC, X2, Y1, right, Y2, nLevel);
    DrawCarpetStep(pDC, left, Y2, X1, bottom, nLevel);
    DrawCarpetStep(pDC, X1, Y2, X2, bottom, nLevel);
    DrawCarpetStep(pDC, X2, Y2, right, bottom, nLevel);
}

void CSierpinskiObjView::DrawPentagonStep(CDC* pDC, int x1, int y1, int x2, int y2, int x3, int y3,
                                          int x4, int y4, int x5, int y5, int nLevel) {
    if (nLevel <= 1) {
        const CPoint leaf[6] = {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}, {x5, y5}, {x1, y1}};
        DrawLeaf(pDC, leaf, 6);
        return;
    }
    nLevel = std::min(nLevel, kMaxLevel) - 1;
    // The parts' side is the base divided by the golden ratio squared.
    const int D = x5 - x1;
    const int s = MulDiv(D, 1000, 2618);
    const int a = MulDiv(s, 309, 1000), b = MulDiv(s, 951, 1000), c = MulDiv(s, 809, 1000);
    const int e = MulDiv(s, 5778, 10000), h = MulDiv(s, 15388, 10000);
    const int xm = x1 + D / 2;
    const int xa = x1 + D / 2 + s / 2, xc = x1 + D / 2 - s / 2;
    const int xb = xa + a, xd = xc - a;
    const int ye = y2 - b, yf = y2 + b, yi = y2 - e, yh = y2 + h;
    DrawPentagonStep(pDC, xc, y2, xd, ye, x3, y3, xb, ye, xa, y2, nLevel);
    DrawPentagonStep(pDC, xb, yf, xa, y2, xa + c, yi, x4, y4, xb + s, yf, nLevel);
    DrawPentagonStep(pDC, xd - s, yf, x2, y2, xc - c, yi, xc, y2, xd, yf, nLevel);
    DrawPentagonStep(pDC, x5 - s, y5, xm, yh, xb, yf, x5 + a, y5 - b, x5, y5, nLevel);
    DrawPentagonStep(pDC, x1, y1, x1 - a, y1 - b, xd, yf, xm, yh, x1 + s, y1, nLevel);
}

void CSierpinskiObjView::DrawHexagonStep(CDC* pDC, int x1, int y1, int x2, int y2, int x3, int y3,
                                         int x4, int y4, int x5, int y5, int x6, int y6,
                                         int nLevel) {
    if (nLevel <= 1) {
        const CPoint leaf[7] = {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4},
                                {x5, y5}, {x6, y6}, {x1, y1}};
        DrawLeaf(pDC, leaf, 7);
        return;
    }
    nLevel = std::min(nLevel, kMaxLevel) - 1;
    // Bottom and top share an x, and so do the two vertices of each side.
    const int cx = x1, xL = x2, xR = x6;
    const int yB = y1, yT = y4, yU = y3, yLo = y2;
    const int H = yB - yT;
    const int h3 = H / 3, h6 = H / 6, h2 = H / 2, h12 = h6 / 2;
    const int w = MulDiv(h6, 866, 1000);
    const int yC = yB - h2;
    // A hexagon of a third of the height at each vertex; the middle stays empty.
    DrawHexagonStep(pDC, cx, yT + h3, cx - w, yU, cx - w, yT + h12, cx, yT, cx + w, yT + h12,
                    cx + w, yU, nLevel);
    DrawHexagonStep(pDC, xR - w, yC, cx + w, yU + h6, cx + w, yU, xR - w, yU - h12, xR, yU, xR,
                    yU + h6, nLevel);
    DrawHexagonStep(pDC, xL + w, yC, xL, yU + h6, xL, yU, xL + w, yU - h12, cx - w, yU, cx - w,
                    yU + h6, nLevel);
    DrawHexagonStep(pDC, xL + w, yLo + h12, xL, yLo, xL, yLo - h6, xL + w, yC, cx - w, yLo - h6,
                    cx - w, yLo, nLevel);
    DrawHexagonStep(pDC, xR - w, yLo + h12, cx + w, yLo, cx + w, yLo - h6, xR - w, yC, xR, yLo - h6,
                    xR, yLo, nLevel);
    DrawHexagonStep(pDC, cx, yB, cx - w, yB - h12, cx - w, yLo, cx, yB - h3, cx + w, yLo, cx + w,
                    yB - h12, nLevel);
}

// The chaos game: each point moves from the last toward a random target and is set, in
// the curve colour or in a random one. The generator is the C runtime's, seeded with the
// clock's low 32 bits, so that a cloud is the same for the same second.
template <class Move>
void CSierpinskiObjView::Scatter(CDC* pDC, const CPoint* pTargets, int nTargets, CPoint pt,
                                 Move move) {
    m_Random.srand(std::uint32_t(CurrentTime()));
    const int nPoints = std::min(m_nParam2, kMaxPoints);
    for (int i = 0; i < nPoints; ++i) {
        pt = move(pt, pTargets[m_Random.rand() % nTargets]);
        COLORREF cr = m_crCurve;
        if (m_nParam3 != 0) {
            const COLORREF blue = COLORREF(m_Random.rand() % 255);
            const COLORREF green = COLORREF(m_Random.rand() % 255);
            const COLORREF red = COLORREF(m_Random.rand() % 255);
            cr = blue * 65536 + green * 256 + red;
        }
        pDC->SetPixel(pt.x, pt.y, cr);
    }
}

namespace {

// The new point lies a third of the way from the target back toward the old one, rounded
// toward the target.
CPoint ThirdOfTheWay(CPoint p, CPoint t) {
    return {t.x + (p.x - t.x) / 3, t.y + (p.y - t.y) / 3};
}

} // namespace

void CSierpinskiObjView::ScatterTriangle(CDC* pDC, int x1, int y1, int x2, int y2, int x3, int y3) {
    const CPoint targets[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    Scatter(pDC, targets, 3, targets[0], [](CPoint p, CPoint t) {
        return CPoint{(p.x + t.x) / 2, (p.y + t.y) / 2};
    });
}

void CSierpinskiObjView::ScatterCarpet(CDC* pDC, int left, int top, int right, int bottom) {
    // The corners and the points at one and two thirds of every side.
    const int W = right - left, H = bottom - top;
    const int x1 = left + W / 3, x2 = left + W - W / 3;
    const int y1 = top + H / 3, y2 = top + H - H / 3;
    const CPoint targets[12] = {{left, top},  {x1, top},      {x2, top},       {right, top},
                                {right, y1},  {right, y2},    {right, bottom}, {x2, bottom},
                                {x1, bottom}, {left, bottom}, {left, y2},      {left, y1}};
    Scatter(pDC, targets, 12, targets[0], ThirdOfTheWay);
}

void CSierpinskiObjView::ScatterPentagon(CDC* pDC, int x1, int y1, int x2, int y2, int x3, int y3,
                                         int x4, int y4, int x5, int y5) {
    const CPoint targets[5] = {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}, {x5, y5}};
    // The quotient goes through single precision before it is truncated, which decides
    // the last pixel of many points.
    const auto shrink = [](int d) { return int(float(double(d) / 2.618)); };
    Scatter(pDC, targets, 5, targets[0], [&shrink](CPoint p, CPoint t) {
        return CPoint{t.x + shrink(p.x - t.x), t.y + shrink(p.y - t.y)};
    });
}

void CSierpinskiObjView::ScatterHexagon(CDC* pDC, int x1, int y1, int x2, int y2, int x3, int y3,
                                        int x4, int y4, int x5, int y5, int x6, int y6) {
    const CPoint targets[6] = {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}, {x5, y5}, {x6, y6}};
    Scatter(pDC, targets, 6, targets[0], ThirdOfTheWay);
}
