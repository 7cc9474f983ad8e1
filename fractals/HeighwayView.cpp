// SPDX-License-Identifier: MIT
#include "fractals/HeighwayView.h"

#include <algorithm>

#include "resources/Resource.h"
#include "settings/ProgramSettings.h"
#include "views/CurveSquare.h"

namespace {

// The direction after a turn: +1 turns left as seen on the screen (right-going becomes
// up-going), -1 turns right.
CPoint Turn(CPoint dir, int t) {
    return {t * dir.y, -t * dir.x};
}

} // namespace

CHeighwayView::CHeighwayView()
    : CNimbrelBaseView(kHeighwaySettings) {
    SetDefaults();
    OnCommand(ID_HEIGHWAY_CODE, [this] { OnFoldCode(); });
    MapColourCommand(ID_HEIGHWAY_COLOR, 9);
    MapClipboardCommand(ID_HEIGHWAY_CLIPBOARD);
}

void CHeighwayView::SetDefaults() {
    ResetParameters();
    m_crCurve = RGB(0, 0, 139);
    m_nParam1 = 8;
    m_strFoldCode = "10101111";
    m_Background.m_crFirst = RGB(160, 85, 148);
    m_Background.m_crSecond = RGB(192, 192, 192);
    m_Background.m_nFading = 4;
}

// The edit element is shared by nothing else, but every view shows its own code in it.
void CHeighwayView::OnShowWindow(bool bShow) {
    if (bShow) {
        m_nParam1 = SetFoldCodeText(m_strFoldCode);
    }
}

void CHeighwayView::OnFoldCode() {
    m_nParam1 = GetFoldCodeText(m_strFoldCode);
    if (m_nParam1 > kMaxFolds) {
        m_strFoldCode.resize(kMaxFolds);
        m_nParam1 = SetFoldCodeText(m_strFoldCode);
    }
    Invalidate();
}

// Each fold k after the first keeps the creases so far at the odd positions and adds
// alternating creases d, -d, d, ... at the even ones, d given by character k of the code.
// The first fold is always the middle turn +1. A fold count the code does not reach
// folds the missing characters as a '0'.
int CHeighwayView::BuildTurns() {
    const int nFolds = std::clamp(m_nParam1, 0, kMaxFolds);
    m_aTurns[0] = 1;
    int nTurns = 1;
    for (int k = 1; k < nFolds; ++k) {
        const bool bOne = std::size_t(k) < m_strFoldCode.size() && m_strFoldCode[k] == '1';
        const signed char d = bOne ? 1 : -1;
        // From the back, so that no turn is overwritten before it has moved.
        for (int i = nTurns - 1; i >= 0; --i) {
            m_aTurns[2 * i + 1] = m_aTurns[i];
        }
        for (int j = 0; j <= nTurns; ++j) {
            m_aTurns[2 * j] = static_cast<signed char>(j % 2 == 0 ? d : -d);
        }
        nTurns = 2 * nTurns + 1;
    }
    return nTurns;
}

void CHeighwayView::DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) {
    m_Background.Fill(*prcBackground, pDC);
    if (!HasRoomForCurve(*prcDraw)) {
        return;
    }
    CSelectPen pen(pDC, CPen{1, m_crCurve});
    const int nTurns = BuildTurns();

    // The walk on the unit lattice, from (0, 0) to (1, 0) and on by the turns, measured.
    int xMin = 0, xMax = 1, yMin = 0, yMax = 0;
    CPoint pt{1, 0};
    CPoint dir{1, 0};
    for (int i = 0; i < nTurns; ++i) {
        dir = Turn(dir, m_aTurns[i]);
        pt = {pt.x + dir.x, pt.y + dir.y};
        xMin = std::min(xMin, pt.x);
        xMax = std::max(xMax, pt.x);
        yMin = std::min(yMin, pt.y);
        yMax = std::max(yMax, pt.y);
    }
    const int spanX = xMax - xMin;
    const int spanY = yMax - yMin;

    // One segment is unit pixels, with a free unit of margin on every side; the bounding
    // box is centred in the square. The corners are cut by gap pixels.
    const int W = prcDraw->Width();
    const int H = prcDraw->Height();
    const int unit = std::min(H / (spanY + 2), W / (spanX + 2));
    const int gap = std::min((unit - 1) / 5, 4);
    const CPoint origin{prcDraw->left + (W - spanX * unit) / 2 - unit * xMin,
                        prcDraw->top + (H - spanY * unit) / 2 - unit * yMin};

    // Every segment stops gap pixels short of each inner end; a diagonal joins it to the
    // next one across the corner.
    CPoint v{origin.x + unit, origin.y};
    dir = {1, 0};
    pDC->MoveTo(origin);
    pDC->LineTo(v.x - gap * dir.x, v.y - gap * dir.y);
    for (int i = 0; i < nTurns; ++i) {
        dir = Turn(dir, m_aTurns[i]);
        pDC->LineTo(v.x + gap * dir.x, v.y + gap * dir.y);
        v = {v.x + unit * dir.x, v.y + unit * dir.y};
        pDC->LineTo(v.x - gap * dir.x, v.y - gap * dir.y);
    }
    pDC->LineTo(v);
}
