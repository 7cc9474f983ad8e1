// SPDX-License-Identifier: MIT
// The scalar types the program's interfaces are written in (the names its registry, ribbon,
// resources and pictures use), and the colour value with its byte accessors.
#pragma once

#include <cstdint>

using BYTE = std::uint8_t;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using BOOL = int;

// A colour 0x00BBGGRR: red in the low byte.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF cr) {
    return BYTE(cr & 0xFF);
}
constexpr BYTE GetGValue(COLORREF cr) {
    return BYTE((cr >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF cr) {
    return BYTE((cr >> 16) & 0xFF);
}
