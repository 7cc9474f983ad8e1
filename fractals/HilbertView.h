// SPDX-License-Identifier: MIT
// The Hilbert curve: a cell visited by four smaller cells in its corners, joined by three
// connectors. The similarity ratio sets how much of its parent a corner cell takes.
#pragma once

#include "views/NimbrelBaseView.h"

// The record: m_nLevel, recursion level (ribbon 1..10, level 1 a single "U"); m_nParam1, the
// similarity ratio r (ribbon 1..12); m_nFrame, m_nGrain, m_nParam2 and m_nParam3 unused.
class CHilbertView : public CNimbrelBaseView {
public:
    // Only the level ends the recursion, and every level draws four times the cells of the
    // one above whatever their size, so a stored level above the ribbon's 10 (4^9 cells)
    // draws as 10. A stored level below 1 never meets the level-1 test and draws as 1.
    static constexpr int kMaxLevel = 10;
    // A stored ratio is kept within 1..2^20. Below 1 the corner cells no longer shrink (at 0
    // each is as large as its parent, 4^9 full-size cells at level 10), so it draws as 1;
    // beyond 2^20 the grid no longer changes in any square narrower than two million
    // pixels, and the cell arithmetic stays far inside 64 bits.
    static constexpr int kMaxRatio = 1 << 20;

    // Cell orientations, named after the side a level-1 cell leaves open.
    enum : int { OpenLeft = 1, OpenRight = 2, OpenTop = 4, OpenBottom = 8 };

    CHilbertView();

    void SetDefaults() override;
    virtual void DrawStep(CDC* pDC, int x1, int y1, int x2, int y2, int nType, int nLevel);
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;

private:
    void DrawCell(CDC* pDC, int x1, int y1, int x2, int y2, int nType) const;
    int Ratio() const;
};
