// SPDX-License-Identifier: MIT
#include "dialogs/CreditsCtrl.h"

#include <QPaintEvent>

CCreditsCtrl::CCreditsCtrl(QWidget* pParent)
    : QWidget(pParent) {
    // Every pixel comes from the ring: no background fill, and the screen may scroll the
    // control's pixels itself instead of repainting them.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CCreditsCtrl::Place(const QRect& rc) {
    setGeometry(rc);
    m_image = QImage(rc.size(), QImage::Format_RGB32);
    m_image.fill(Qt::white);
    m_nTop = 0;
}

void CCreditsCtrl::ScrollUp() {
    if (!m_image.isNull()) {
        // The old top row becomes the bottom row.
        m_nTop = RingRow(1);
    }
    scroll(0, -1);
}

QImage CCreditsCtrl::Picture() const {
    QImage picture(m_image.size(), QImage::Format_RGB32);
    QPainter painter(&picture);
    for (int y = 0; y < m_image.height(); ++y) {
        painter.drawImage(QPoint(0, y), m_image, QRect(0, RingRow(y), m_image.width(), 1));
    }
    return picture;
}

void CCreditsCtrl::paintEvent(QPaintEvent* pEvent) {
    if (m_image.isNull()) {
        return;
    }
    QPainter painter(this);
    const QRect rcImage = m_image.rect();
    for (const QRect& rcArea : pEvent->region()) {
        const QRect rc = rcArea & rcImage;
        // At most two runs of ring rows: up to the ring's end, then from its start.
        for (int y = rc.top(); y <= rc.bottom();) {
            const int nRing = RingRow(y);
            const int nRows = qMin(rc.bottom() - y + 1, m_image.height() - nRing);
            painter.drawImage(QRect(rc.left(), y, rc.width(), nRows), m_image,
                              QRect(rc.left(), nRing, rc.width(), nRows));
            y += nRows;
        }
    }
}
