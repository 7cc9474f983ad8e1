// SPDX-License-Identifier: MIT
#include "resources/BitmapResources.h"

#include "platform/ui/Text.h"

QImage LoadBitmapResource(const std::string& strName) {
    if (strName.empty()) {
        return {};
    }
    return QImage(QStringLiteral(":/bitmaps/") + FromAnsi(strName));
}
