// SPDX-License-Identifier: MIT
// The About box's credits: the table of lines it scrolls in turn, and what the last
// character of a line, its format character, says about how the rest is shown.
#pragma once

#include <span>
#include <string>

#include "platform/WinTypes.h"

// Format characters.
inline constexpr char kCreditBitmap = '\b';
inline constexpr char kCreditSubtitle = '\t';
inline constexpr char kCreditTitle = '\n';
inline constexpr char kCreditHeading = '\r';

// How a text line is shown: an Arial-metric font of a cell height in pixels and a weight,
// in a colour.
struct CCreditFormat {
    int nHeight;
    int nWeight;
    bool bUnderline;
    COLORREF crText;

    friend bool operator==(const CCreditFormat&, const CCreditFormat&) = default;
};

// The format of a line ending in chFormat (not a bitmap line): tab 18 bold black, line feed
// 22 bold underlined blue, carriage return 20 bold black, anything else 16 thin blue.
CCreditFormat CreditFormatOf(char chFormat);

// The 39 lines, Windows-1252, each ending in its format character; an empty line shows
// nothing. Line 32 ends in the letter "f", which is its format character.
std::span<const char* const> CreditLines();
