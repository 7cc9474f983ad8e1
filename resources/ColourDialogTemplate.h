// SPDX-License-Identifier: MIT
// Dialog template 335, the colour dialog, as constant data: the dialog's size and font and
// every control with its identifier, text and position in dialog units.
#pragma once

#include <array>

inline constexpr int IDD_SET_COLOUR = 335;
inline constexpr int IDC_STATIC = -1;
inline constexpr int IDC_CURVE_VALUES = 1002;
inline constexpr int IDC_CURVE_BAR = 1003;
inline constexpr int IDC_FIRST_BAR = 1004;
inline constexpr int IDC_FIRST_VALUES = 1005;
inline constexpr int IDC_SECOND_BAR = 1006;
inline constexpr int IDC_SECOND_VALUES = 1007;
inline constexpr int IDC_FADING_0 = 1008;
inline constexpr int IDC_FADING_1 = 1009;
inline constexpr int IDC_FADING_2 = 1010;
inline constexpr int IDC_PREVIEW_GROUP = 1011;
inline constexpr int IDC_PREVIEW = 1012;
inline constexpr int IDC_FADING_3 = 1013;
inline constexpr int IDC_FADING_4 = 1014;
inline constexpr int IDC_FADING_5 = 1015;
inline constexpr int IDC_FADING_6 = 1016;

enum class CDialogItemKind { Button, GroupBox, Label, Placeholder, Edit };

struct CDialogItemData {
    int nID;
    CDialogItemKind kind;
    const char* pszText;
    int x;
    int y;
    int cx;
    int cy;
};

struct CColourDialogTemplate {
    const char* pszCaption = "Dialog";
    int cx = 560;
    int cy = 400;
    const char* pszFont = "MS Shell Dlg";
    int nPointSize = 8;
};

inline constexpr CColourDialogTemplate kColourDialogTemplate{};

// IDOK and IDCANCEL are 1 and 2, as everywhere.
inline constexpr std::array<CDialogItemData, 23> kColourDialogItems{{
    {1, CDialogItemKind::Button, "OK", 5, 372, 75, 22},
    {2, CDialogItemKind::Button, "Cancel", 85, 372, 75, 22},
    {IDC_STATIC, CDialogItemKind::GroupBox, " Curve Colour ", 5, 5, 115, 120},
    {IDC_STATIC, CDialogItemKind::Label, "Colour Ref: ", 15, 20, 40, 8},
    {IDC_CURVE_VALUES, CDialogItemKind::Label, "Static", 65, 20, 40, 8},
    {IDC_CURVE_BAR, CDialogItemKind::Placeholder, "", 15, 35, 90, 80},
    {IDC_STATIC, CDialogItemKind::GroupBox, " Background Colour ", 5, 135, 115, 230},
    {IDC_STATIC, CDialogItemKind::Label, "Colour Ref: ", 15, 155, 40, 8},
    {IDC_FIRST_VALUES, CDialogItemKind::Label, "Static", 65, 155, 40, 8},
    {IDC_FIRST_BAR, CDialogItemKind::Placeholder, "", 15, 170, 90, 80},
    {IDC_STATIC, CDialogItemKind::Label, "Colour Ref ", 15, 260, 37, 8},
    {IDC_SECOND_VALUES, CDialogItemKind::Label, "Static", 60, 260, 40, 8},
    {IDC_SECOND_BAR, CDialogItemKind::Placeholder, "", 15, 275, 90, 80},
    {IDC_STATIC, CDialogItemKind::GroupBox, " Background Fading ", 130, 5, 425, 70},
    {IDC_FADING_0, CDialogItemKind::Button, "", 135, 18, 55, 49},
    {IDC_FADING_1, CDialogItemKind::Button, "", 195, 18, 55, 50},
    {IDC_FADING_2, CDialogItemKind::Button, "", 255, 18, 55, 50},
    {IDC_FADING_3, CDialogItemKind::Button, "", 315, 18, 55, 50},
    {IDC_FADING_4, CDialogItemKind::Button, "", 375, 18, 55, 50},
    {IDC_FADING_5, CDialogItemKind::Button, "", 435, 18, 55, 50},
    {IDC_FADING_6, CDialogItemKind::Button, "", 495, 18, 55, 50},
    {IDC_PREVIEW_GROUP, CDialogItemKind::GroupBox, " Preview ", 130, 80, 425, 285},
    {IDC_PREVIEW, CDialogItemKind::Edit, "", 135, 95, 415, 260},
}};

// The fading buttons in the order of the fading they choose, 0 to 6.
inline constexpr std::array<int, 7> kFadingButtons{IDC_FADING_0, IDC_FADING_1, IDC_FADING_2,
                                                   IDC_FADING_3, IDC_FADING_4, IDC_FADING_5,
                                                   IDC_FADING_6};

// The base units of an 8-point dialog font (average character width, character height in
// pixels) at 96 dots per inch, for what has no font to measure (the benchmarks).
inline constexpr int kNominalBaseUnitX = 6;
inline constexpr int kNominalBaseUnitY = 13;
