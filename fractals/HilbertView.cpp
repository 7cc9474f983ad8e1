// SPDX-License-Identifier: MIT
#include "fractals/HilbertView.h"

CHilbertView::CHilbertView() { SetDefaults(); }

CHilbertView::~CHilbertView() { SaveSettingsOnDestroy(); }

void CHilbertView::SetDefaults() {
    ResetParameters();
    m_nLevel = 4;
    m_crCurve = RGB(0, 147, 0);
    m_nParam1 = 2;
    m_Background.m_crFirst = RGB(255, 215, 0);
    m_Background.m_crSecond = RGB(255, 104, 32);
    m_Background.m_nFading = 6;
}

// TODO: the curve itself; until then only the background is drawn.
void CHilbertView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* /*prcDraw*/) {
    m_Background.Fill(*prcBackground, pDC);
}
