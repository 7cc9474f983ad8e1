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

} // namespace

std::span<const CMenuItemData> OutputPopupMenu() {
    return kOutputPopup;
}
