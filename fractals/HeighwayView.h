// SPDX-License-Identifier: MIT
// The paper-folding curve (Heighway dragon and its relatives): a strip folded in the
// directions of a folding code, unfolded to right angles, drawn with cut corners.
#pragma once

#include "views/NimbrelBaseView.h"

class CHeighwayView : public CNimbrelBaseView {
public:
    CHeighwayView();
    ~CHeighwayView() override;

    const char* GetSettingsName() const override { return "HeighwayView"; }
    void SetDefaults() override;
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;
};
