// SPDX-License-Identifier: MIT
// The square curve: every corner of a square carries a square of half its size,
// recursively, each leaving out the corner that points back into its parent.
#pragma once

#include "views/NimbrelBaseView.h"

class CSquareView : public CNimbrelBaseView {
public:
    CSquareView();
    ~CSquareView() override;

    const char* GetSettingsName() const override { return "SquaresView"; }
    void SetDefaults() override;
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;
};
