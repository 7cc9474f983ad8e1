// SPDX-License-Identifier: MIT
// The Cesaro pattern: a square frame holding, recursively, a motif of two diagonals and
// four ticks, drawn thinner at every generation.
#pragma once

#include "views/NimbrelBaseView.h"

// The record: m_nLevel, recursion level and the pen width of the outermost motif (ribbon
// 1..10); m_nFrame, m_nGrain and m_nParam1 to m_nParam3 unused.
class CCesaroView : public CNimbrelBaseView {
public:
    // The level is also the pen width of the outermost motif. A stored level above the
    // ribbon's 10 draws as 10, so no paint makes a pen wider than 10 pixels or recurses
    // deeper than 10; a stored level below 0 draws as 0 (one motif, one-pixel lines).
    static constexpr int kMaxLevel = 10;

    CCesaroView();

    void SetDefaults() override;
    virtual void DrawStep(CDC* pDC, int x1, int y1, int x2, int y2, int nLevel);
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;
};
