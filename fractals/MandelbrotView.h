// SPDX-License-Identifier: MIT
// The Mandelbrot curve on the triadic grid: every edge gets a square box raised on its
// middle third, recursively.
#pragma once

#include "views/NimbrelBaseView.h"

class CMandelbrotView : public CNimbrelBaseView {
public:
    CMandelbrotView();
    ~CMandelbrotView() override;

    const char* GetSettingsName() const override { return "MandelbrotView"; }
    void SetDefaults() override;
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;
};
