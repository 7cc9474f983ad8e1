// SPDX-License-Identifier: MIT
#include "fractals/VonKochView.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "resources/Resource.h"
#include "settings/ProgramSettings.h"
#include "views/CurveSquare.h"
#include "views/Pentagon.h"

namespace {

// Coordinates are 32-bit pixels. A hand-edited ratio or orientation factor can push a sum
// past that range; it is computed wide and saturated instead of overflowing.
int Saturate(std::int64_t v) {
    return int(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                        std::numeric_limits<int>::max()));
}

} // namespace

CVonKochView::CVonKochView()
    : CNimbrelBaseView(kVonKochSettings) {
    SetDefaults();
    BindSlider(ID_VON_KOCH_SLIDER_RECURSION, ID_VONKOCH_RECURSION, &CVonKochView::m_nLevel);
    BindSlider(ID_VON_KOCH_SLIDER_SIMILARITY, ID_VON_KOCH_SIMILARITY, &CVonKochView::m_nParam2);
    MapFrameCommands({{ID_VON_KOCH_FRAME_LINE, 2},
                      {ID_VON_KOCH_FRAME_TRIANGLE, 3},
                      {ID_VON_KOCH_FRAME_SQUARE, 4},
                      {ID_VON_KOCH_FRAME_PENTAGON, 5},
                      {ID_VON_KOCH_FRAME_HEXAGON, 6}});
    MapGrainCommands({{ID_VON_KOCH_GRAIN_TRG, 1}, {ID_VON_KOCH_GRAIN_SQUARE, 2}});
    MapColourCommand(ID_VON_KOCH_COLOR, 0);
    MapClipboardCommand(ID_VON_KOCH_CLIPBOARD);
    const struct {
        UINT nID;
        int nParam1;
    } orientations[] = {{ID_VON_KOCH_CHECK_OUTSIDE, 1},
                        {ID_VON_KOCH_CHECK_INSIDE, -1},
                        {ID_VON_KOCH_CHECK_RANDOM, 2}};
    for (const auto& orientation : orientations) {
        OnCommand(orientation.nID, [this, n = orientation.nParam1] { OnOrientation(n); });
        OnUpdateCommandUI(orientation.nID, [this, n = orientation.nParam1](CCmdUI* pCmdUI) {
            pCmdUI->SetCheck(m_nParam1 == n ? 1 : 0);
        });
    }
}

void CVonKochView::SetDefaults() {
    ResetParameters();
    m_nLevel = 5;
    m_crCurve = RGB(255, 255, 0);
    m_nFrame = 2;
    m_nGrain = 1;
    m_nParam1 = 1;
    m_nParam2 = 348;
    m_Background.m_crFirst = RGB(225, 225, 225);
    m_Background.m_crSecond = RGB(166, 202, 240);
    m_Background.m_nFading = 2;
}

void CVonKochView::OnOrientation(int nParam1) {
    m_nParam1 = nParam1;
    Invalidate();
}

int CVonKochView::EffectiveLevel() const {
    return m_nLevel < 0 || m_nLevel > kMaxLevel ? kMaxLevel : m_nLevel;
}

// One subdivision, shared by both passes so that they meet the same pieces in the same
// order and draw the same random numbers at the same moments.
template <class Leaf>
void CVonKochView::Subdivide(int x1, int y1, int x2, int y2, int nLevel, Leaf& leaf) {
    if (nLevel == 0 ||
        (std::abs(std::int64_t(x1) - x2) < 2 && std::abs(std::int64_t(y1) - y2) < 2)) {
        leaf(x1, y1, x2, y2);
        return;
    }
    --nLevel;
    const int dx = Saturate(std::int64_t(x2) - x1);
    const int ey = Saturate(std::int64_t(y1) - y2);
    const int tx = dx / 3;
    const int ty = ey / 3;
    const int ax = Saturate(std::int64_t(x1) + tx);
    const int ay = Saturate(std::int64_t(y1) - ty);
    const int dX = Saturate(std::int64_t(x2) - tx);
    const int dY = Saturate(std::int64_t(y2) + ty);

    Subdivide(x1, y1, ax, ay, nLevel, leaf);

    std::int64_t k = m_nParam1;
    if (k == 2) {
        k = m_Random.rand() > 16383 ? 1 : -1;
    }
    const std::int64_t px = k * MulDiv(ey, m_nParam2, 1000);
    const std::int64_t py = k * MulDiv(dx, m_nParam2, 1000);
    if (m_nGrain == 1) {
        const int apexX = Saturate(std::int64_t(x1) + dx / 2 - px);
        const int apexY = Saturate(std::int64_t(y1) - ey / 2 - py);
        Subdivide(ax, ay, apexX, apexY, nLevel, leaf);
        Subdivide(apexX, apexY, dX, dY, nLevel, leaf);
    } else {
        const int bx = Saturate(ax - px);
        const int by = Saturate(ay - py);
        const int cx = Saturate(dX - px);
        const int cy = Saturate(dY - py);
        Subdivide(ax, ay, bx, by, nLevel, leaf);
        Subdivide(bx, by, cx, cy, nLevel, leaf);
        Subdivide(cx, cy, dX, dY, nLevel, leaf);
    }
    Subdivide(dX, dY, x2, y2, nLevel, leaf);
}

void CVonKochView::DrawStep(CDC* pDC, int x1, int y1, int x2, int y2, int nLevel) {
    auto drawLeaf = [pDC](int ax, int ay, int bx, int by) {
        pDC->MoveTo(ax, ay);
        pDC->LineTo(bx, by);
    };
    Subdivide(x1, y1, x2, y2, nLevel, drawLeaf);
}

void CVonKochView::MeasureStep(int x1, int y1, int x2, int y2, int nLevel) {
    // Only a leaf's start point counts for both x extremes and the smallest y, and only its
    // end point for the largest y.
    auto measureLeaf = [this](int ax, int ay, int /*bx*/, int by) {
        m_nMinX = std::min(m_nMinX, ax);
        m_nMaxX = std::max(m_nMaxX, ax);
        m_nMinY = std::min(m_nMinY, ay);
        m_nMaxY = std::max(m_nMaxY, by);
    };
    Subdivide(x1, y1, x2, y2, nLevel, measureLeaf);
}

// Builds the start figure of m_nFrame from rc and passes its edges on in order. The
// measuring variant of the triangle has its apex on the top side, the drawing variant is
// equilateral on the bottom side; the other figures are the same in both.
template <class Step> void CVonKochView::PassEdges(const CRect& rc, bool bMeasuring, Step step) {
    const int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
    auto chain = [&step](std::initializer_list<CPoint> points) {
        const CPoint* p = points.begin();
        for (std::size_t i = 1; i < points.size(); ++i) {
            step(p[i - 1].x, p[i - 1].y, p[i].x, p[i].y);
        }
    };
    switch (m_nFrame) {
    case 2: {
        const int ym = b - (b - t) / 2;
        chain({{l, ym}, {r, ym}});
        break;
    }
    case 3: {
        const int xm = l + (r - l) / 2;
        const int apexY = bMeasuring ? t : b - MulDiv(r - l, 8660, 10000);
        chain({{l, b}, {xm, apexY}, {r, b}, {l, b}});
        break;
    }
    case 4:
        chain({{l, b}, {l, t}, {r, t}, {r, b}, {l, b}});
        break;
    case 5: {
        const std::array<CPoint, 5> p = PentagonOnBase(l, r, b - (b - t) / 40);
        chain({p[0], p[1], p[2], p[3], p[4], p[0]});
        break;
    }
    case 6: {
        const int q = (r - l) / 4;
        const int ym = t + (b - t) / 2;
        chain({{l + q, b}, {l, ym}, {l + q, t}, {r - q, t}, {r, ym}, {r - q, b}, {l + q, b}});
        break;
    }
    default:
        break;
    }
}

void CVonKochView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) {
    const int L = prcDraw->left, T = prcDraw->top, R = prcDraw->right, B = prcDraw->bottom;
    const int W = R - L;
    const int H = B - T;
    m_nMinX = R;
    m_nMaxX = L;
    m_nMinY = B;
    m_nMaxY = T;
    m_tSeed = CurrentTime();
    m_Background.Fill(*prcBackground, pDC);
    // A drawing square with no inside (a window only a few pixels high) has no room for a
    // curve, and its height would divide by zero below.
    if (!HasRoomForCurve(*prcDraw)) {
        return;
    }
    CSelectPen pen(pDC, CPen{1, m_crCurve});
    const int nLevel = EffectiveLevel();

    m_Random.srand(std::uint32_t(m_tSeed));
    PassEdges(*prcDraw, true, [this, nLevel](int x1, int y1, int x2, int y2) {
        MeasureStep(x1, y1, x2, y2, nLevel);
    });

    const int bw = Saturate(std::int64_t(m_nMaxX) - m_nMinX);
    const int bh = Saturate(std::int64_t(m_nMaxY) - m_nMinY);
    int sw = W;
    int sh = H;
    if (bw > W || bh > H) {
        const int m = std::max(bw, bh);
        sw = MulDiv(W, W, m);
        sh = MulDiv(H, H, m);
    }
    const int g = (W - sw) / 2;
    const CRect rcAdjusted{L + g, Saturate(T - (std::int64_t(m_nMinY) - T) * sh / H), R - g,
                           Saturate(B - (std::int64_t(m_nMaxY) - B) * sh / H)};

    m_Random.srand(std::uint32_t(m_tSeed));
    PassEdges(rcAdjusted, false, [this, pDC, nLevel](int x1, int y1, int x2, int y2) {
        DrawStep(pDC, x1, y1, x2, y2, nLevel);
    });
}
