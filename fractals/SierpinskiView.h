// SPDX-License-Identifier: MIT
// The Sierpinski curve: notched cell outlines on a power-of-two square, joined into one
// closed winding curve by leaving out the corner diagonals where cells meet.
#pragma once

#include "views/NimbrelBaseView.h"

// The record: m_nLevel, recursion level (ribbon 1..8); m_nGrain, 0 outline, 1 outline and
// filled cells; m_nParam1, the guide grid (0 none, any other draws it; set only by the
// defaults and a loaded settings string); m_nFrame, m_nParam2 and m_nParam3 unused.
class CSierpinskiView : public CNimbrelBaseView {
public:
    // The deepest level drawn, the ribbon's maximum: 5^7 = 78125 cells. A stored level
    // above it is drawn at this level; the guide grid follows the same level.
    static constexpr int kMaxLevel = 8;

    CSierpinskiView();

    void SetDefaults() override;
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;

    // Draws the cell at nLevel 1 (or below), else its four quadrants and its centre square.
    // nMask names the corners whose diagonal is left out: 1 top left, 2 top right,
    // 4 bottom left, 8 bottom right.
    void DrawCellStep(CDC* pDC, int left, int top, int right, int bottom, int nLevel, int nMask);

private:
    void DrawGuideGrid(CDC* pDC, const CRect& rcCurve, int nLevel);
    void DrawCell(CDC* pDC, int left, int top, int right, int bottom, int nMask);
};
