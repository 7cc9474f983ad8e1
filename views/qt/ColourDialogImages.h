// SPDX-License-Identifier: MIT
// The colour dialog's button pictures: each fading painted by the background painter
// itself, so that a button never disagrees with what its fading paints, and the OK and
// Cancel marks.
#pragma once

#include <QImage>

// 66 x 66 pixels, fading nFading (0 to 6) from green to white.
inline constexpr int kFadingPictureSide = 66;
QImage FadingPicture(int nFading);

// 24 x 24 pixels: a check mark for OK, a cross for Cancel.
inline constexpr int kButtonMarkSide = 24;
QImage OkMark();
QImage CancelMark();
