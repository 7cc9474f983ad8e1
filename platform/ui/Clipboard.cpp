// SPDX-License-Identifier: MIT
#include "platform/ui/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void CopyImageToClipboard(const QImage& image) {
    QClipboard* pClipboard = QGuiApplication::clipboard();
    if (image.isNull() || pClipboard == nullptr) {
        return;
    }
    // The raster surface leaves the top byte of its pixels 0 where Qt expects 0xFF; a
    // program reading the picture with its alpha must not see it transparent.
    QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < opaque.height(); ++y) {
        auto* pRow = reinterpret_cast<QRgb*>(opaque.scanLine(y));
        for (int x = 0; x < opaque.width(); ++x) {
            pRow[x] |= 0xFF000000;
        }
    }
    pClipboard->setImage(opaque);
}
