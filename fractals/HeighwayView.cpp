// SPDX-License-Identifier: MIT
#include "fractals/HeighwayView.h"

CHeighwayView::CHeighwayView() { SetDefaults(); }

CHeighwayView::~CHeighwayView() { SaveSettingsOnDestroy(); }

void CHeighwayView::SetDefaults() {
    ResetParameters();
    m_crCurve = RGB(0, 0, 139);
    m_nParam1 = 8;
    m_strFoldCode = "10101111";
    m_Background.m_crFirst = RGB(160, 85, 148);
    m_Background.m_crSecond = RGB(192, 192, 192);
    m_Background.m_nFading = 4;
}

// TODO: the curve itself; until then only the background is drawn.
void CHeighwayView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* /*prcDraw*/) {
    m_Background.Fill(*prcBackground, pDC);
}
