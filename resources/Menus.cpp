// SPDX-License-Identifier: MIT
#include "resources/Menus.h"

#include "resources/Resource.h"

namespace {

constexpr CMenuItemData kOutputPopup[] = {
    {ID_EDIT_COPY, "&Copy"},
    {ID_EDIT_CLEAR, "&Clear"},
    {0, ""},
    {ID_OUTPUT_PANE, "&Hide"},
};

constexpr CMenuItemData kApplicationLook[] = {
    {ID_VIEW_APPLOOK_WIN_2000, "Windows &2000"},
    {ID_VIEW_APPLOOK_OFF_XP, "Office &XP"},
    {ID_VIEW_APPLOOK_WIN_XP, "&Windows XP"},
    {ID_VIEW_APPLOOK_OFF_2003, "Office 200&3"},
    {ID_VIEW_APPLOOK_VS_2005, "Visual Studio 200&5"},
    {ID_VIEW_APPLOOK_VS_2008, "Visual Studio 200&8"},
    {ID_VIEW_APPLOOK_OFF_2007_BLUE, "Office 2007 (&Blue Style)"},
    {ID_VIEW_APPLOOK_OFF_2007_BLACK, "Office 2007 (B&lack Style)"},
    {ID_VIEW_APPLOOK_OFF_2007_SILVER, "Office 2007 (&Silver Style)"},
    {ID_VIEW_APPLOOK_OFF_2007_AQUA, "Office 2007 (&Aqua Style)"},
};

constexpr CAcceleratorData kFrameAccelerators[] = {
    {ID_FILE_NEW, "Ctrl+N"},       {ID_FILE_OPEN, "Ctrl+O"},   {ID_FILE_SAVE, "Ctrl+S"},
    {ID_FILE_PRINT, "Ctrl+P"},     {ID_EDIT_UNDO, "Ctrl+Z"},   {ID_EDIT_UNDO, "Alt+Backspace"},
    {ID_EDIT_CUT, "Ctrl+X"},       {ID_EDIT_CUT, "Shift+Del"}, {ID_EDIT_COPY, "Ctrl+C"},
    {ID_EDIT_COPY, "Ctrl+Ins"},    {ID_EDIT_PASTE, "Ctrl+V"},  {ID_EDIT_PASTE, "Shift+Ins"},
    {ID_NEXT_PANE, "F6"},          {ID_PREV_PANE, "Shift+F6"}, {ID_HELP, "F1"},
    {ID_CONTEXT_HELP, "Shift+F1"},
};

} // namespace

std::span<const CMenuItemData> OutputPopupMenu() {
    return kOutputPopup;
}

std::span<const CMenuItemData> ApplicationLookMenu() {
    return kApplicationLook;
}

std::span<const CAcceleratorData> FrameAccelerators() {
    return kFrameAccelerators;
}
