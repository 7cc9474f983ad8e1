// SPDX-License-Identifier: MIT
// The About box's credits area: a static control that keeps its own pixels. Scrolling moves
// them up a row and asks the screen to move what it shows the same way, so that only the
// uncovered bottom row is ever painted anew. The pixels are kept as a ring of rows: a scroll
// only moves the ring's first row, it copies nothing.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

class CCreditsCtrl : public QWidget {
    Q_OBJECT

public:
    explicit CCreditsCtrl(QWidget* pParent = nullptr);

    // Puts the control at rc of its parent, with white pixels of that size.
    void Place(const QRect& rc);
    // Moves the contents up by one pixel; the bottom row keeps what it had until painted.
    void ScrollUp();
    // Runs paint(painter) on the control's pixels in the control's coordinates, clipped to
    // the bottom row, or to the whole control with bWhole; then asks the screen for them.
    template <class Paint> void PaintRows(bool bWhole, Paint paint);
    // The control's pixels as it shows them, top row first.
    QImage Picture() const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    // The row of the ring the control shows at y.
    int RingRow(int y) const { return (m_nTop + y) % m_image.height(); }

    QImage m_image;
    // The ring row shown at the top of the control.
    int m_nTop = 0;
};

template <class Paint> void CCreditsCtrl::PaintRows(bool bWhole, Paint paint) {
    if (m_image.isNull()) {
        return;
    }
    const int nBottom = m_image.height() - 1;
    const QRect rcRows = bWhole ? m_image.rect() : QRect(0, nBottom, m_image.width(), 1);
    {
        QPainter painter(&m_image);
        if (bWhole) {
            m_nTop = 0;
        } else {
            painter.translate(0, RingRow(nBottom) - nBottom);
        }
        painter.setClipRect(rcRows);
        paint(painter);
    }
    update(rcRows);
}
