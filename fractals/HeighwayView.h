// SPDX-License-Identifier: MIT
// The paper-folding curve (Heighway dragon and its relatives): a strip folded in the
// directions of a folding code, unfolded to right angles, drawn with cut corners.
#pragma once

#include <array>

#include "views/NimbrelBaseView.h"

// The record: m_strFoldCode, one character a fold, first fold first ('1' one way, any other
// character the other way, at most 16); m_nParam1, the number of folds, always the code's
// length; m_nLevel, m_nFrame, m_nGrain, m_nParam2 and m_nParam3 unused.
class CHeighwayView : public CNimbrelBaseView {
public:
    // The ribbon takes at most 16 folds; a longer typed code is cut to them. The drawing
    // also reads at most this many, whatever the record holds.
    static constexpr int kMaxFolds = 16;
    // 2^16 - 1 turns for 16 folds.
    static constexpr int kMaxTurns = (1 << kMaxFolds) - 1;

    CHeighwayView();

    void SetDefaults() override;
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;
    void OnShowWindow(bool bShow) override;

private:
    void OnFoldCode();
    // Unfolds the code into m_aTurns (+1 left, -1 right); returns the number of turns.
    int BuildTurns();

    // Rebuilt on every paint; sized once for the largest code so that a paint allocates
    // nothing.
    std::array<signed char, kMaxTurns> m_aTurns{};
};
