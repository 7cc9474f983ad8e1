// SPDX-License-Identifier: MIT
// The desktop clipboard as the views use it: a picture goes on it as an image, and Qt
// keeps serving it to other programs for as long as this one runs.
#pragma once

#include <QImage>

// Replaces the clipboard's contents with an opaque copy of the picture; a null picture
// leaves the clipboard as it is. Nothing is reported.
void CopyImageToClipboard(const QImage& image);
