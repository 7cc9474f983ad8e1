// SPDX-License-Identifier: MIT
// The background behind every curve: a plain colour or one of six fadings between two
// colours, built from solid bands or rings that differ by at most one unit per channel.
#pragma once

#include <vector>

#include "platform/gdi/DC.h"

class CBackground {
public:
    virtual ~CBackground() = default;

    // Paints rc: type 0 plain m_crFirst; 1 and 2 horizontal bands from the top or the
    // bottom; 3 and 4 vertical bands from the left or the right; 5 and 6 rings from the
    // edge inward. Any other type paints nothing.
    void Fill(const CRect& rc, CDC* pDC) const;

    // The owner sets the defaults; these are the values a view starts with.
    COLORREF m_crFirst = 0x0000FF00;
    COLORREF m_crSecond = 0x00FFFFFF;
    int m_nFading = 3;

private:
    struct CRunningColour;
    void FillBands(const CRect& rc, std::vector<CDC::CFill>& strips, int nBands, float fStepX,
                   float fStepY, CRunningColour colour) const;
    void FillRings(const CRect& rc, std::vector<CDC::CFill>& strips, int nBands, float fStepX,
                   float fStepY, CRunningColour colour, float fSign) const;
};
