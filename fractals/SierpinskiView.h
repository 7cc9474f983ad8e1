// SPDX-License-Identifier: MIT
// The Sierpinski curve: notched cell outlines on a power-of-two square, joined into one
// closed winding curve by leaving out the corner diagonals where cells meet.
#pragma once

#include "views/NimbrelBaseView.h"

class CSierpinskiView : public CNimbrelBaseView {
public:
    CSierpinskiView();
    ~CSierpinskiView() override;

    const char* GetSettingsName() const override { return "SierpinskiView"; }
    void SetDefaults() override;
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;
};
