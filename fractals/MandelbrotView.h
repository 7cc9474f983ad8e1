// SPDX-License-Identifier: MIT
// The Mandelbrot curve on the triadic grid: every edge gets a square box raised on its
// middle third, recursively.
#pragma once

#include "views/NimbrelBaseView.h"

// The record: m_nLevel, generations of the motif (ribbon 1..10); m_nFrame, start figure
// (2 line, 4 square, any other draws no curve); m_nGrain, motif (0 normal, any other
// clipped); m_nParam1 to m_nParam3 unused.
class CMandelbrotView : public CNimbrelBaseView {
public:
    // The deepest recursion drawn, the ribbon's maximum. A stored level outside 1..10 (a
    // level of 0 or below would recurse "until pieces are shorter than 3 pixels") recurses
    // at most this deep; below 3^9 x 3 = 59,049 pixels that is the same picture.
    static constexpr int kMaxLevel = 10;

    CMandelbrotView();

    void SetDefaults() override;
    virtual void DrawStep(CDC* pDC, int x1, int y1, int x2, int y2, int nLevel);
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;
};
