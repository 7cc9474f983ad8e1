// SPDX-License-Identifier: MIT
#include "platform/ui/HostedViewImage.h"

#include <cstdint>

#include "platform/gdi/RasterDC.h"

void PaintHostedViewImage(CHostedView& view, QImage& image) {
    if (image.isNull()) {
        return;
    }
    Q_ASSERT(image.format() == QImage::Format_RGB32);
    CRasterDC dc(reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
                 int(image.bytesPerLine() / 4));
    PaintHostedView(view, dc);
}
