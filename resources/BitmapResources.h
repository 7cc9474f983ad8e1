// SPDX-License-Identifier: MIT
// Bitmap resources by name, as a credit line of the About box names one. The program's
// bitmaps are Qt resources under ":/bitmaps/"; it ships none for the credits today.
#pragma once

#include <string>

#include <QImage>

// A null image when no bitmap of that name exists.
QImage LoadBitmapResource(const std::string& strName);
