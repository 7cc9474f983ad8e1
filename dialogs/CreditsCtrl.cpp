// SPDX-License-Identifier: MIT
#include "dialogs/CreditsCtrl.h"

#include <cstring>

#include <QPaintEvent>
#include <QPainter>

CCreditsCtrl::CCreditsCtrl(QWidget* pParent)
    : QWidget(pParent) {
    // Every pixel comes from the image: no background fill, and the screen may scroll the
    // control's pixels itself instead of repainting them.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CCreditsCtrl::ScrollUp() {
    if (m_image.height() > 1) {
        const qsizetype nRow = m_image.bytesPerLine();
        std::memmove(m_image.bits(), m_image.constBits() + nRow, nRow * (m_image.height() - 1));
    }
    scroll(0, -1);
}

void CCreditsCtrl::Place(const QRect& rc) {
    setGeometry(rc);
    m_image = QImage(rc.size(), QImage::Format_RGB32);
    m_image.fill(Qt::white);
}

void CCreditsCtrl::paintEvent(QPaintEvent* pEvent) {
    QPainter painter(this);
    for (const QRect& rc : pEvent->region()) {
        painter.drawImage(rc, m_image, rc);
    }
}
