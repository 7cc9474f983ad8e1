// SPDX-License-Identifier: MIT
// The Minkowski sausage: every edge divided in quarters and replaced by an eight-piece
// square wave, recursively.
#pragma once

#include "views/NimbrelBaseView.h"

class CMinkowskiView : public CNimbrelBaseView {
public:
    CMinkowskiView();
    ~CMinkowskiView() override;

    const char* GetSettingsName() const override { return "MinkowskiView"; }
    void SetDefaults() override;
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;
};
