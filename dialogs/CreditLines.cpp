// SPDX-License-Identifier: MIT
#include "dialogs/CreditLines.h"

#include <iterator>

namespace {

constexpr COLORREF kBlack = 0x00000000;
constexpr COLORREF kBlue = 0x00FF0000;

constexpr const char* kLines[] = {
    "Korvat Nimbrel 2.0 \n",
    "",
    "Geometric Fractal Explorer \r",
    "Compliant with Windows 8 Requirements for Data and Application Installation Folders \f",
    "",
    "http://www.korvat.com\r",
    "",
    "",
    "Qt by The Qt Company and the Qt Project\t",
    "https://www.qt.io/\f",
    "",
    "SQLite by D. Richard Hipp\t",
    "https://www.sqlite.org/\f",
    "",
    "libcurl by Daniel Stenberg and contributors\t",
    "https://curl.se/libcurl/\f",
    "",
    "libpng by the PNG Development Group\t",
    "http://www.libpng.org/pub/png/libpng.html\f",
    "",
    "The Liberation Fonts by Red Hat\t",
    "https://github.com/liberationfonts/liberation-fonts\f",
    "",
    "GoogleTest by Google\t",
    "https://github.com/google/googletest\f",
    "",
    "Google Benchmark by Google\t",
    "https://github.com/google/benchmark\f",
    "",
    "",
    "",
    "The APT package installer by the Debian Project\t",
    "https://www.debian.org/f",
    "",
    "Comments and Request for Additional Features \t",
    "http://www.korvat.com/applications/nimbrel/nimbrel.php#feedback\f",
    "",
    "",
    "",
};
static_assert(std::size(kLines) == 39);

} // namespace

CCreditFormat CreditFormatOf(char chFormat) {
    switch (chFormat) {
    case kCreditSubtitle:
        return {18, 700, false, kBlack};
    case kCreditTitle:
        return {22, 700, true, kBlue};
    case kCreditHeading:
        return {20, 700, false, kBlack};
    default:
        return {16, 100, false, kBlue};
    }
}

std::span<const char* const> CreditLines() {
    return kLines;
}
