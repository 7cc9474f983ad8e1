// SPDX-License-Identifier: MIT
// The one crossing between the program's own 8-bit Windows-1252 texts and Qt's strings.
// Every text a window shows passes through FromAnsi; every text read back from a window
// (an edit element's contents) through ToAnsi.
#pragma once

#include <string>
#include <string_view>

#include <QString>

// Windows-1252 to Unicode; the five bytes the code page leaves undefined keep their value
// as the C1 control characters, as Windows itself maps them.
QString FromAnsi(std::string_view text);
// Unicode to Windows-1252; characters the code page cannot hold become '?'.
std::string ToAnsi(const QString& text);
