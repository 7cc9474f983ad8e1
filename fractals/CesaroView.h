// SPDX-License-Identifier: MIT
// The Cesaro pattern: a square frame holding, recursively, a motif of two diagonals and
// four ticks, drawn thinner at every generation.
#pragma once

#include "views/NimbrelBaseView.h"

class CCesaroView : public CNimbrelBaseView {
public:
    CCesaroView();
    ~CCesaroView() override;

    const char* GetSettingsName() const override { return "CesaroView"; }
    void SetDefaults() override;
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;
};
