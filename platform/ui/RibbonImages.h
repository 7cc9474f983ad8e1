// SPDX-License-Identifier: MIT
// The pictures of the ribbon's buttons: the style's standard icons where one fits, small
// drawings of our own for the rest. A null icon for ERibbonImage::None.
#pragma once

#include <QIcon>

#include "platform/ui/core/RibbonData.h"

QIcon RibbonIcon(ERibbonImage image);
