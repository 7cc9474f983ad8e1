// SPDX-License-Identifier: MIT
// What the selection pane asks of the window it belongs to when a curve is clicked: show
// that curve's ribbon tab, then switch to its view. The main frame answers both.
#pragma once

#include <string>

#include "platform/gdi/GdiTypes.h"

class CSelectionTarget {
public:
    virtual ~CSelectionTarget() = default;
    // Shows only the fractal ribbon tab of this name.
    virtual void ActivateCategory(const std::string& strName) = 0;
    // Switches to the view of a position 0 to 9; TRUE when it switched.
    virtual BOOL SwitchToFractal(int nPosition) = 0;
};
