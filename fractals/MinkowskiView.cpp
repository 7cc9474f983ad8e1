// SPDX-License-Identifier: MIT
#include "fractals/MinkowskiView.h"

CMinkowskiView::CMinkowskiView() { SetDefaults(); }

CMinkowskiView::~CMinkowskiView() { SaveSettingsOnDestroy(); }

void CMinkowskiView::SetDefaults() {
    ResetParameters();
    m_nLevel = 4;
    m_crCurve = RGB(255, 255, 0);
    m_nFrame = 2;
    m_Background.m_crFirst = RGB(255, 0, 0);
    m_Background.m_crSecond = RGB(0, 0, 255);
    m_Background.m_nFading = 2;
}

// TODO: the curve itself; until then only the background is drawn.
void CMinkowskiView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* /*prcDraw*/) {
    m_Background.Fill(*prcBackground, pDC);
}
