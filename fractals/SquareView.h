// SPDX-License-Identifier: MIT
// The square curve: every corner of a square carries a square of half its size,
// recursively, each leaving out the corner that points back into its parent.
#pragma once

#include "views/NimbrelBaseView.h"

// The record: m_nLevel, recursion level (ribbon 1..10, level 1 the first square alone);
// m_nGrain, 0 normal, 1 filled, 2 outlined; m_nFrame and m_nParam1 to m_nParam3 unused.
class CSquareView : public CNimbrelBaseView {
public:
    // The deepest level drawn, the ribbon's maximum: 1 + 4 x (3^9 - 1) / 2 = 39365
    // squares. A stored level above it is drawn at this level; one of 1 or less draws the
    // first square alone.
    static constexpr int kMaxLevel = 10;

    CSquareView();

    void SetDefaults() override;
    // Draws the pieces of the corners in nMask (1 top right, 2 top left, 4 bottom right,
    // 8 bottom left), then grows a square of half the size on each of them.
    virtual void DrawStep(CDC* pDC, int left, int top, int right, int bottom, int nMask,
                          int nLevel);
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;

private:
    struct CSquare;
    void DrawNormalPiece(CDC* pDC, const CSquare& s, int nCorner);
    void DrawFilledPiece(CDC* pDC, const CSquare& s, int nCorner);
    void DrawOutlinedPiece(CDC* pDC, const CSquare& s, int nCorner);
};
