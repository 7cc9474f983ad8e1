// SPDX-License-Identifier: MIT
// The ribbon's layout as constant data (ribbon resource 307): the application button, the
// quick-access toolbar, the elements on the tab row, and every category with its panels
// and elements. The ribbon bar in platform/ui builds its widgets from these tables.
#pragma once

#include "platform/ui/core/RibbonData.h"

const CRibbonLayoutData& RibbonLayout();
