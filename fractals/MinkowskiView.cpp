// SPDX-License-Identifier: MIT
#include "fractals/MinkowskiView.h"

#include <cstdlib>

#include "resources/Resource.h"
#include "settings/ProgramSettings.h"
#include "views/CurveSquare.h"

CMinkowskiView::CMinkowskiView()
    : CNimbrelBaseView(kMinkowskiSettings) {
    SetDefaults();
    BindSlider(ID_MINKOWSKI_SLIDER_RECURSION, ID_MINKOWSKI_RECURSION, &CMinkowskiView::m_nLevel);
    MapFrameCommands({{ID_MINKOWSKI_FRAME_LINE, 2},
                      {ID_MINKOWSKI_FRAME_TRIANGLE, 3},
                      {ID_MINKOWSKI_FRAME_SQUARE, 4}});
    MapColourCommand(ID_MINKOWSKI_COLOR, 4);
    MapClipboardCommand(ID_MINKOWSKI_CLIPBOARD);
}

void CMinkowskiView::SetDefaults() {
    ResetParameters();
    m_nLevel = 4;
    m_crCurve = RGB(255, 255, 0);
    m_nFrame = 2;
    m_Background.m_crFirst = RGB(255, 0, 0);
    m_Background.m_crSecond = RGB(0, 0, 255);
    m_Background.m_nFading = 2;
}

// The motif P0 ... P8: straight, a bump to the left of the travel on the screen, a bump
// to the right, straight. The quarters u and w are truncated, so the remainder of the
// division falls into the last piece.
void CMinkowskiView::DrawStep(CDC* pDC, int x1, int y1, int x2, int y2, int nLevel) {
    if (nLevel < 1 || nLevel > kMaxLevel) {
        nLevel = kMaxLevel;
    }
    const int u = (x2 - x1) / 4;
    const int w = (y1 - y2) / 4;
    const CPoint motif[9] = {{x1, y1},
                             {x1 + u, y1 - w},
                             {x1 + u - w, y1 - w - u},
                             {x1 + 2 * u - w, y1 - 2 * w - u},
                             {x1 + 2 * u, y1 - 2 * w},
                             {x1 + 2 * u + w, y1 - 2 * w + u},
                             {x1 + 3 * u + w, y1 - 3 * w + u},
                             {x1 + 3 * u, y1 - 3 * w},
                             {x2, y2}};
    if (nLevel == 1 || (std::abs(x2 - x1) < 2 && std::abs(y2 - y1) < 2)) {
        pDC->Polyline(motif, 9);
        return;
    }
    for (int i = 0; i < 8; ++i) {
        DrawStep(pDC, motif[i].x, motif[i].y, motif[i + 1].x, motif[i + 1].y, nLevel - 1);
    }
}

void CMinkowskiView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) {
    const int L = prcDraw->left, T = prcDraw->top, R = prcDraw->right, B = prcDraw->bottom;
    m_Background.Fill(*prcBackground, pDC);
    if (!HasRoomForCurve(*prcDraw)) {
        return;
    }
    CSelectPen pen(pDC, CPen{1, m_crCurve});
    auto chain = [this, pDC](std::initializer_list<CPoint> points) {
        const CPoint* p = points.begin();
        for (std::size_t i = 1; i < points.size(); ++i) {
            DrawStep(pDC, p[i - 1].x, p[i - 1].y, p[i].x, p[i].y, m_nLevel);
        }
    };
    switch (m_nFrame) {
    case 2: {
        const int ym = T + (B - T) / 2;
        chain({{L, ym}, {R, ym}});
        break;
    }
    case 3: {
        // The apex touches the top of the square; the base is inset by e at both ends and
        // lies e + q above the bottom.
        const int q = (10 * (B - T)) / 45;
        const int e = q / 3;
        const CPoint apex{L + (R - L) / 2, T};
        const int yb = B - e - q;
        chain({apex, {R - e, yb}, {L + e, yb}, apex});
        break;
    }
    case 4: {
        // Two ninths of the side in from every edge. The fourth edge runs from the top-left
        // corner down, against the clockwise run of the other three.
        const int c = (10 * (B - T)) / 45;
        chain({{L + c, T + c}, {R - c, T + c}, {R - c, B - c}, {L + c, B - c}});
        DrawStep(pDC, L + c, T + c, L + c, B - c, m_nLevel);
        break;
    }
    default:
        break;
    }
}
