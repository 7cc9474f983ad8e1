// SPDX-License-Identifier: MIT
#include "views/qt/ColourDialogImages.h"

#include <cstdint>

#include <QPainter>
#include <QPainterPath>

#include "platform/gdi/RasterDC.h"
#include "views/Background.h"

QImage FadingPicture(int nFading) {
    QImage image(kFadingPictureSide, kFadingPictureSide, QImage::Format_RGB32);
    image.fill(Qt::white);
    CRasterDC dc(reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
                 int(image.bytesPerLine() / 4));
    CBackground background;
    background.m_crFirst = RGB(0, 255, 0);
    background.m_crSecond = RGB(255, 255, 255);
    background.m_nFading = nFading;
    background.Fill(CRect{0, 0, kFadingPictureSide, kFadingPictureSide}, &dc);
    return image;
}

namespace {

QImage BlankMark() {
    QImage image(kButtonMarkSide, kButtonMarkSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QImage OkMark() {
    QImage image = BlankMark();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 128, 0), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(4, 13);
    tick.lineTo(10, 19);
    tick.lineTo(20, 5);
    painter.drawPath(tick);
    return image;
}

QImage CancelMark() {
    QImage image = BlankMark();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 0, 0), 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(6, 6), QPointF(18, 18));
    painter.drawLine(QPointF(18, 6), QPointF(6, 18));
    return image;
}
