// SPDX-License-Identifier: MIT
#include "platform/ui/ImageList.h"

namespace {

// The same colour as the 0x00RRGGBB of a Qt RGB32 pixel.
QRgb ToPixel(COLORREF cr) {
    return qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

} // namespace

bool CImageList::Create(int cx, int cy) {
    m_images.clear();
    m_size = cx > 0 && cy > 0 ? QSize(cx, cy) : QSize();
    return m_size.isValid();
}

int CImageList::AddMasked(const QImage& image, COLORREF crMask) {
    if (!m_size.isValid() || image.size() != m_size) {
        return -1;
    }
    // The raster surface leaves the top byte of its pixels 0, so colours are compared
    // without it; every other pixel becomes fully opaque.
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    const QRgb mask = ToPixel(crMask) & 0x00FFFFFF;
    QImage masked(m_size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < m_size.height(); ++y) {
        const auto* pSource = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* pTarget = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < m_size.width(); ++x) {
            const QRgb colour = pSource[x] & 0x00FFFFFF;
            pTarget[x] = colour == mask ? 0 : (colour | 0xFF000000);
        }
    }
    m_images.push_back(QPixmap::fromImage(masked));
    return int(m_images.size()) - 1;
}

QPixmap CImageList::GetImage(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetImageCount()) {
        return {};
    }
    return m_images[std::size_t(nIndex)];
}
