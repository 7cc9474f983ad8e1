// SPDX-License-Identifier: MIT
// The Minkowski sausage: every edge divided in quarters and replaced by an eight-piece
// square wave, recursively.
#pragma once

#include "views/NimbrelBaseView.h"

// The record: m_nLevel, generations of the motif (ribbon 1..10); m_nFrame, start figure
// (2 line, 3 triangle, 4 square, any other draws no curve); m_nGrain and m_nParam1 to
// m_nParam3 unused.
class CMinkowskiView : public CNimbrelBaseView {
public:
    // The deepest recursion drawn, the ribbon's maximum. A stored level outside 1..10 (a
    // level of 0 or below would recurse "until pieces are shorter than 2 pixels", which a
    // piece 2 or 3 pixels long never gets: its quarters are 0, so its last piece is itself)
    // recurses at most this deep.
    static constexpr int kMaxLevel = 10;

    CMinkowskiView();

    void SetDefaults() override;
    virtual void DrawStep(CDC* pDC, int x1, int y1, int x2, int y2, int nLevel);
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;
};
