// SPDX-License-Identifier: MIT
// A hosted view painted into a Qt image through the raster surface: the image's RGB32
// pixels are the surface's buffer, so the picture reaches the screen without conversion.
#pragma once

#include <QImage>

#include "platform/ui/core/ViewHost.h"

// Paints the view into an RGB32 image the way every host paints it; nothing for a null image.
void PaintHostedViewImage(CHostedView& view, QImage& image);
