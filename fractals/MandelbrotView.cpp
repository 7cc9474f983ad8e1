// SPDX-License-Identifier: MIT
#include "fractals/MandelbrotView.h"

CMandelbrotView::CMandelbrotView() { SetDefaults(); }

CMandelbrotView::~CMandelbrotView() { SaveSettingsOnDestroy(); }

void CMandelbrotView::SetDefaults() {
    ResetParameters();
    m_nLevel = 4;
    m_crCurve = RGB(255, 255, 0);
    m_nFrame = 4;
    m_Background.m_crFirst = RGB(255, 255, 0);
    m_Background.m_crSecond = RGB(255, 0, 0);
    m_Background.m_nFading = 2;
}

// TODO: the curve itself; until then only the background is drawn.
void CMandelbrotView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* /*prcDraw*/) {
    m_Background.Fill(*prcBackground, pDC);
}
