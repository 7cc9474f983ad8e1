// SPDX-License-Identifier: MIT
// The shape of a ribbon as constant data: categories, panels and elements with their
// identifiers, texts, ranges and widths. The ribbon bar builds its widgets from it; the
// program's own layout is a table of these in resources/.
#pragma once

#include <span>

#include "platform/WinTypes.h"

enum class ERibbonElementKind {
    LargeButton, // icon above a one- or two-line text
    SmallButton, // text beside an optional small icon, stacked three to a column
    SplitButton, // runs its own command; its arrow opens the menu of items
    MenuButton,  // only opens its menu of items
    Slider,      // sends its command on every change of position, dragging included
    Edit,        // label beside a box; sends its command when editing ends
    CheckBox,    // its mark comes from the update handlers
    Label,       // text only, no command
};

// The picture of a button; the ribbon bar draws or picks one per kind.
enum class ERibbonImage {
    None,
    Application,
    New,
    Open,
    Save,
    QuickPrint,
    Help,
    Exit,
    Feedback,
    StatusBar,
    OutputPane,
    SmallIcons,
    LargeIcons,
    CheckUpdate,
    WebPage,
    Support,
    About,
    Colour,
    Clipboard,
};

// One item of a split or menu button's menu.
struct CRibbonItemData {
    UINT nID;
    const char* pszText;
};

// Texts are Windows-1252. nMin and nMax are a slider's range; nWidth is an edit box's width
// in pixels of text area.
struct CRibbonElementData {
    ERibbonElementKind kind;
    UINT nID; // 0 for a label
    const char* pszText;
    ERibbonImage image = ERibbonImage::None;
    int nMin = 0;
    int nMax = 0;
    int nWidth = 0;
    std::span<const CRibbonItemData> items = {};
    const char* pszKeyTip = "";
};

struct CRibbonPanelData {
    const char* pszName; // empty for an unnamed panel
    std::span<const CRibbonElementData> elements;
};

struct CRibbonCategoryData {
    const char* pszName;
    const char* pszKeyTip;
    std::span<const CRibbonPanelData> panels;
};

struct CRibbonLayoutData {
    UINT nResourceID;
    CRibbonElementData applicationButton;
    std::span<const CRibbonElementData> quickAccess;
    // The right-hand side of the tab row: the "Style" menu and the Help button.
    std::span<const CRibbonElementData> tabRow;
    // In ribbon order: "Nimbrel", the ten curve tabs in view position order, "View", "Help".
    std::span<const CRibbonCategoryData> categories;
};

// The label of the edit element beside a slider: twelve no-break spaces (Windows-1252 0xA0).
inline constexpr const char* kStandardRibbonLabel =
    "\xA0\xA0\xA0\xA0\xA0\xA0\xA0\xA0\xA0\xA0\xA0\xA0";
