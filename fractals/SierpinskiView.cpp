// SPDX-License-Identifier: MIT
#include "fractals/SierpinskiView.h"

CSierpinskiView::CSierpinskiView() { SetDefaults(); }

CSierpinskiView::~CSierpinskiView() { SaveSettingsOnDestroy(); }

void CSierpinskiView::SetDefaults() {
    ResetParameters();
    m_nLevel = 3;
    m_crCurve = RGB(0, 255, 0);
    m_nGrain = 1;
    m_Background.m_crFirst = RGB(255, 0, 0);
    m_Background.m_crSecond = RGB(0, 255, 0);
    m_Background.m_nFading = 5;
}

// TODO: the curve itself; until then only the background is drawn.
void CSierpinskiView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* /*prcDraw*/) {
    m_Background.Fill(*prcBackground, pDC);
}
