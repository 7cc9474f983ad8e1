// SPDX-License-Identifier: MIT
// The Peano curve: octagons in the cells of a recursive 3 x 3 subdivision, opened into
// channels where cells join, so that all of them merge into one closed outline.
#pragma once

#include "views/NimbrelBaseView.h"

// The record: m_nLevel, the number of 3 x 3 subdivisions (ribbon 1..5); m_nGrain, 0 outline,
// 1 outline and filled cells; m_nFrame and m_nParam1 to m_nParam3 unused.
class CPeanoView : public CNimbrelBaseView {
public:
    // The deepest subdivision drawn, the ribbon's maximum: 9^5 = 59049 cells. A stored
    // level above it is drawn at this level, one below 0 as 0 (a single octagon).
    static constexpr int kMaxLevel = 5;

    CPeanoView();

    void SetDefaults() override;
    // Draws the cell's octagon at nLevel 0, else its nine cells. nMask names the sides
    // opened toward a neighbour: 1 left, 2 right, 4 top, 8 bottom.
    virtual void DrawStep(CDC* pDC, int left, int top, int right, int bottom, int nLevel,
                          int nMask);
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;

private:
    void DrawCell(CDC* pDC, int left, int top, int right, int bottom, int nMask);
};
