// SPDX-License-Identifier: MIT
// Dialog template 100, the About box, as constant data: caption, size and font, and every
// control with its identifier, kind, text and rectangle in dialog units. The dialog builds
// its widgets from this table.
#pragma once

#include <span>

#include "platform/WinTypes.h"

enum class EDialogControl { Icon, Static, Edit, Link, DefaultButton };

struct CDialogControlData {
    int nID;
    EDialogControl kind;
    // Windows-1252; for the icon, unused (the application icon, resource 128).
    const char* pszText;
    // Dialog units.
    int x, y, cx, cy;
};

struct CDialogTemplateData {
    UINT nID;
    const char* pszCaption;
    int cx, cy;
    const char* pszFont;
    int nPointSize;
    std::span<const CDialogControlData> controls;
};

// The maker's mail address, the link text of the About box's mail link; its address is a
// mailto: of it with the subject "Nimbrel 2.0".
inline constexpr const char* kMakerMail = "nimbrel@korvat.com";
inline constexpr const char* kMakerMailLink = "mailto:nimbrel@korvat.com?Subject=Nimbrel 2.0";

const CDialogTemplateData& AboutTemplate();
