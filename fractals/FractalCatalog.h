// SPDX-License-Identifier: MIT
// The ten curves in their fixed order: the position is the same for creation, window
// identifiers, selection-pane items, thumbnails, ribbon tabs and the colour dialog's kind.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "views/NimbrelBaseView.h"

struct CFractalInfo {
    int nPosition;
    const char* pszRenderName; // the renderer's --curve name
    const char* pszTabName;    // ribbon tab and selection-pane item text
    const char* pszClassName;  // for the failure message when its window cannot be made
    const char* pszSwitchMessage;
    std::unique_ptr<CNimbrelBaseView> (*pfnCreate)();
};

inline constexpr int kFractalCount = 10;

std::span<const CFractalInfo> FractalCatalog();
// Null for a name the catalog does not know.
const CFractalInfo* FindFractal(std::string_view renderName);
// Null outside 0 to 9.
std::unique_ptr<CNimbrelBaseView> CreateFractalView(int nPosition);
