// SPDX-License-Identifier: MIT
// Small pictures of views, drawn by the views themselves from the records they hold: no
// picture files, and nothing read from or written to the settings store.
#pragma once

#include <cstdint>

#include <QImage>

#include "platform/ui/core/ViewHost.h"

// The clock a thumbnail's view is given, so that the curves seeded from the time (Von Koch,
// Sierpinski objects) draw the same thumbnail on every run.
inline constexpr std::int64_t kThumbnailClock = 0;

// The view's picture at cx by cy pixels: the thumbnail hosts the view for the picture only
// (kPictureHosting), sizes it to the picture and paints it as every host does. A null
// image for an empty size.
QImage DrawThumbnail(CHostedView& view, int cx, int cy);
