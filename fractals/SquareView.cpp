// SPDX-License-Identifier: MIT
#include "fractals/SquareView.h"

CSquareView::CSquareView() { SetDefaults(); }

CSquareView::~CSquareView() { SaveSettingsOnDestroy(); }

void CSquareView::SetDefaults() {
    ResetParameters();
    m_crCurve = RGB(0, 255, 255);
    m_nGrain = 2;
    m_Background.m_crFirst = RGB(255, 0, 0);
    m_Background.m_crSecond = RGB(152, 251, 152);
    m_Background.m_nFading = 5;
}

// TODO: the curve itself; until then only the background is drawn.
void CSquareView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* /*prcDraw*/) {
    m_Background.Fill(*prcBackground, pDC);
}
