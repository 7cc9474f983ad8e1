// SPDX-License-Identifier: MIT
// The regular pentagon two curves start from, built in integer steps from its box.
#pragma once

#include <array>

#include "platform/gdi/GdiTypes.h"

// The pentagon standing on its base at yBase, centred between l and r: its side is
// 1.1756 (2 sin 36 degrees) times half the width; 0.309, 0.951 and 1.5388 are cos 72,
// sin 72 and sin 72 + sin 36. The corners run base left, upper left, apex, upper right,
// base right.
std::array<CPoint, 5> PentagonOnBase(int l, int r, int yBase);
