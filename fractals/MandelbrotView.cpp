// SPDX-License-Identifier: MIT
#include "fractals/MandelbrotView.h"

#include <cstdlib>

#include "resources/Resource.h"
#include "settings/ProgramSettings.h"
#include "views/CurveSquare.h"

CMandelbrotView::CMandelbrotView()
    : CNimbrelBaseView(kMandelbrotSettings) {
    SetDefaults();
    BindSlider(ID_MANDELBROT_SLIDER_RECURSION, ID_MANDELBROT_RECURSION, &CMandelbrotView::m_nLevel);
    MapFrameCommands({{ID_MANDELBROT_FRAME_LINE, 2}, {ID_MANDELBROT_FRAME_SQUARE, 4}});
    MapGrainCommands({{ID_MANDELBROT_GRAIN_NORMAL, 0}, {ID_MANDELBROT_GRAIN_CLIPPED, 1}});
    MapColourCommand(ID_MANDELBROT_COLOR, 1);
    MapClipboardCommand(ID_MANDELBROT_CLIPBOARD);
}

void CMandelbrotView::SetDefaults() {
    ResetParameters();
    m_nLevel = 4;
    m_crCurve = RGB(255, 255, 0);
    m_nFrame = 4;
    m_Background.m_crFirst = RGB(255, 255, 0);
    m_Background.m_crSecond = RGB(255, 0, 0);
    m_Background.m_nFading = 2;
}

// P1 -> P2 with its thirds A and D and the normal n, a third of the edge turned a quarter
// to the left of the travel on the screen (outward on the clockwise square).
void CMandelbrotView::DrawStep(CDC* pDC, int x1, int y1, int x2, int y2, int nLevel) {
    if (nLevel < 1 || nLevel > kMaxLevel) {
        nLevel = kMaxLevel;
    }
    const int u = (x2 - x1) / 3;
    const int v = (y2 - y1) / 3;
    const CPoint p1{x1, y1};
    const CPoint p2{x2, y2};
    const CPoint a{x1 + u, y1 + v};
    const CPoint d{x2 - u, y2 - v};
    const CPoint aUp{a.x + v, a.y - u};
    const CPoint dUp{d.x + v, d.y - u};
    const CPoint aDown{a.x - v, a.y + u};
    const CPoint dDown{d.x - v, d.y + u};
    // Normal legs cross the edge and reach as far to the other side; Clipped boxes stand
    // on the middle third.
    const bool bNormal = m_nGrain == 0;

    if (nLevel == 1 || (std::abs(x1 - x2) < 3 && std::abs(y1 - y2) < 3)) {
        pDC->MoveTo(p1);
        pDC->LineTo(p2);
        const CPoint box[4] = {bNormal ? aDown : a, aUp, dUp, bNormal ? dDown : d};
        pDC->Polyline(box, 4);
        return;
    }
    auto step = [this, pDC, nLevel](CPoint from, CPoint to) {
        DrawStep(pDC, from.x, from.y, to.x, to.y, nLevel - 1);
    };
    step(p1, a);
    step(a, d);
    step(d, p2);
    if (bNormal) {
        step(aDown, a);
    }
    step(a, aUp);
    step(aUp, dUp);
    step(dUp, d);
    if (bNormal) {
        step(d, dDown);
    }
}

void CMandelbrotView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) {
    const int L = prcDraw->left, T = prcDraw->top, R = prcDraw->right, B = prcDraw->bottom;
    m_Background.Fill(*prcBackground, pDC);
    if (!HasRoomForCurve(*prcDraw)) {
        return;
    }
    const int h2 = (B - T) / 2;
    const int h4 = (B - T) / 4;
    CSelectPen pen(pDC, CPen{1, m_crCurve});
    if (m_nFrame == 2) {
        // Clipped boxes only rise above the line, so it sits lower to leave them room.
        const int y = m_nGrain != 0 ? B - h4 : T + h2;
        DrawStep(pDC, L, y, R, y, m_nLevel);
    } else if (m_nFrame == 4) {
        // The square inset by a quarter of the height on all sides, run clockwise from
        // its top-left corner.
        const int e = h4;
        const CPoint corners[5] = {
            {L + e, T + e}, {R - e, T + e}, {R - e, B - e}, {L + e, B - e}, {L + e, T + e}};
        for (int i = 0; i < 4; ++i) {
            DrawStep(pDC, corners[i].x, corners[i].y, corners[i + 1].x, corners[i + 1].y, m_nLevel);
        }
    }
}
