// SPDX-License-Identifier: MIT
// The Peano curve: octagons in the cells of a recursive 3 x 3 subdivision, opened into
// channels where cells join, so that all of them merge into one closed outline.
#pragma once

#include "views/NimbrelBaseView.h"

class CPeanoView : public CNimbrelBaseView {
public:
    CPeanoView();
    ~CPeanoView() override;

    const char* GetSettingsName() const override { return "PeanoView"; }
    void SetDefaults() override;
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;
};
