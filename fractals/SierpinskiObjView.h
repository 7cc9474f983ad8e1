// SPDX-License-Identifier: MIT
// The Sierpinski objects: triangle, carpet, pentagon and hexagon subdivisions, drawn
// recursively or as point clouds by random iteration.
#pragma once

#include "views/NimbrelBaseView.h"

class CSierpinskiObjView : public CNimbrelBaseView {
public:
    CSierpinskiObjView();
    ~CSierpinskiObjView() override;

    const char* GetSettingsName() const override { return "SierpinskiObjView"; }
    void SetDefaults() override;
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;
};
