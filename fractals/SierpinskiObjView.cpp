// SPDX-License-Identifier: MIT
#include "fractals/SierpinskiObjView.h"

CSierpinskiObjView::CSierpinskiObjView() { SetDefaults(); }

CSierpinskiObjView::~CSierpinskiObjView() { SaveSettingsOnDestroy(); }

void CSierpinskiObjView::SetDefaults() {
    ResetParameters();
    m_nLevel = 4;
    m_crCurve = RGB(60, 180, 120);
    m_nFrame = 3;
    m_nParam2 = 100000;
    m_nParam3 = 1;
    m_Background.m_crFirst = RGB(0, 255, 0);
    m_Background.m_crSecond = RGB(255, 255, 255);
    m_Background.m_nFading = 3;
}

// TODO: the curve itself; until then only the background is drawn.
void CSierpinskiObjView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* /*prcDraw*/) {
    m_Background.Fill(*prcBackground, pDC);
}
