// SPDX-License-Identifier: MIT
// Small pictures of the curves, drawn by the curve views themselves from the records they
// hold: no picture files, and nothing read from or written to the settings store.
#pragma once

#include <cstdint>

#include <QImage>

class CNimbrelBaseView;

// The clock a thumbnail's view is given, so that the curves seeded from the time (Von Koch,
// Sierpinski objects) draw the same thumbnail on every run.
inline constexpr std::int64_t kThumbnailClock = 0;

// The view's picture at cx by cy pixels as its window would paint it: erased to white, the
// drawing rectangles computed from the picture's rectangle, then the view's OnDraw. The
// view gets the fixed thumbnail clock. A null image for an empty size.
QImage DrawThumbnail(CNimbrelBaseView& view, int cx, int cy);
