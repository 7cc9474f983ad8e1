// SPDX-License-Identifier: MIT
// Writes a recording as an SVG picture of the same calls, with pixel centres at half
// coordinates so that one-pixel lines fall on the pixels the raster surface paints.
#pragma once

#include <string>

#include "platform/gdi/Recording.h"

std::string WriteSvg(const CRecording& recording);
