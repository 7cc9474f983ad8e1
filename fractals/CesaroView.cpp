// SPDX-License-Identifier: MIT
#include "fractals/CesaroView.h"

#include <algorithm>
#include <cstdlib>

#include "resources/Resource.h"
#include "settings/ProgramSettings.h"
#include "views/CurveSquare.h"

CCesaroView::CCesaroView()
    : CNimbrelBaseView(kCesaroSettings) {
    SetDefaults();
    BindSlider(ID_CESARO_SLIDER_RECURSION, ID_CESARO_RECURSION, &CCesaroView::m_nLevel);
    MapColourCommand(ID_CESARO_COLOR, 3);
    MapClipboardCommand(ID_CESARO_CLIPBOARD);
}

void CCesaroView::SetDefaults() {
    ResetParameters();
    m_crCurve = RGB(0, 147, 0);
    m_Background.m_crFirst = RGB(255, 215, 0);
    m_Background.m_crSecond = RGB(255, 104, 32);
    m_Background.m_nFading = 6;
}

// The motif of one square in a pen as wide as its level: the diagonals of the inner square,
// then the ticks inward from the middles of the bottom, right, top and left sides. Then
// the four corner quarters and the centre square, one level and one pixel thinner.
void CCesaroView::DrawStep(CDC* pDC, int x1, int y1, int x2, int y2, int nLevel) {
    nLevel = std::clamp(nLevel, 0, kMaxLevel);
    const int qx = (x2 - x1) / 4;
    const int qy = (y2 - y1) / 4;
    {
        CSelectPen pen(pDC, CPen{nLevel, m_crCurve});
        const CPoint segments[6][2] = {
            {{x1 + qx, y2 - qy}, {x2 - qx, y1 + qy}},
            {{x1 + qx, y1 + qy}, {x2 - qx, y2 - qy}},
            {{x1 + 2 * qx, y2}, {x1 + 2 * qx, y2 - qy}},
            {{x2, y1 + 2 * qy}, {x2 - qx, y1 + 2 * qy}},
            {{x1 + 2 * qx, y1}, {x1 + 2 * qx, y1 + qy}},
            {{x1, y1 + 2 * qy}, {x1 + qx, y1 + 2 * qy}},
        };
        for (const auto& segment : segments) {
            pDC->MoveTo(segment[0]);
            pDC->LineTo(segment[1]);
        }
    }
    if (nLevel - 1 <= 0 || (std::abs(x1 - x2) < 5 && std::abs(y1 - y2) < 5)) {
        return;
    }
    // 2qx is twice the truncated quarter, so the top quarters meet at x1 + 2qx and the
    // bottom ones at x2 - 2qx.
    DrawStep(pDC, x1, y1, x1 + 2 * qx, y1 + 2 * qy, nLevel - 1);
    DrawStep(pDC, x1 + 2 * qx, y1, x2, y1 + 2 * qy, nLevel - 1);
    DrawStep(pDC, x1, y2 - 2 * qy, x2 - 2 * qx, y2, nLevel - 1);
    DrawStep(pDC, x2 - 2 * qx, y2 - 2 * qy, x2, y2, nLevel - 1);
    DrawStep(pDC, x1 + qx, y1 + qy, x2 - qx, y2 - qy, nLevel - 1);
}

void CCesaroView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) {
    m_Background.Fill(*prcBackground, pDC);
    if (!HasRoomForCurve(*prcDraw)) {
        return;
    }
    // Inset to the largest power of two below the width (half of it when it is one), the
    // same on all four sides.
    const CRect rc = PowerOfTwoSquare(*prcDraw);
    {
        CSelectPen pen(pDC, CPen{1, m_crCurve});
        pDC->MoveTo(rc.left, rc.top);
        pDC->LineTo(rc.left, rc.bottom);
        pDC->LineTo(rc.right, rc.bottom);
        pDC->LineTo(rc.right, rc.top);
        pDC->LineTo(rc.left, rc.top);
    }
    DrawStep(pDC, rc.left, rc.top, rc.right, rc.bottom, m_nLevel);
}
