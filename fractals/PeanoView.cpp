// SPDX-License-Identifier: MIT
#include "fractals/PeanoView.h"

CPeanoView::CPeanoView() { SetDefaults(); }

CPeanoView::~CPeanoView() { SaveSettingsOnDestroy(); }

void CPeanoView::SetDefaults() {
    ResetParameters();
    m_nLevel = 2;
    m_crCurve = RGB(255, 255, 255);
    m_Background.m_crFirst = RGB(160, 85, 148);
    m_Background.m_crSecond = RGB(192, 192, 192);
    m_Background.m_nFading = 4;
}

// TODO: the curve itself; until then only the background is drawn.
void CPeanoView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* /*prcDraw*/) {
    m_Background.Fill(*prcBackground, pDC);
}
