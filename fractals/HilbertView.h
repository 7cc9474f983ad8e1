// SPDX-License-Identifier: MIT
// The Hilbert curve: a cell visited by four smaller cells in its corners, joined by three
// connectors. The similarity ratio sets how much of its parent a corner cell takes.
#pragma once

#include "views/NimbrelBaseView.h"

class CHilbertView : public CNimbrelBaseView {
public:
    CHilbertView();
    ~CHilbertView() override;

    const char* GetSettingsName() const override { return "HilbertView"; }
    void SetDefaults() override;
    void DrawFractal(CDC* pDC, CRect* prcBackground, CRect* prcDraw) override;
};
