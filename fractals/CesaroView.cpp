// SPDX-License-Identifier: MIT
#include "fractals/CesaroView.h"

CCesaroView::CCesaroView() { SetDefaults(); }

CCesaroView::~CCesaroView() { SaveSettingsOnDestroy(); }

void CCesaroView::SetDefaults() {
    ResetParameters();
    m_crCurve = RGB(0, 147, 0);
    m_Background.m_crFirst = RGB(255, 215, 0);
    m_Background.m_crSecond = RGB(255, 104, 32);
    m_Background.m_nFading = 6;
}

// TODO: the curve itself; until then only the background is drawn.
void CCesaroView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* /*prcDraw*/) {
    m_Background.Fill(*prcBackground, pDC);
}
