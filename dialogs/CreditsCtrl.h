// SPDX-License-Identifier: MIT
// The About box's credits area: a static control that keeps its own pixels. Scrolling moves
// them up a row and asks the screen to move what it shows the same way, so that only the
// uncovered bottom row is ever painted anew.
#pragma once

#include <QImage>
#include <QWidget>

class CCreditsCtrl : public QWidget {
    Q_OBJECT

public:
    explicit CCreditsCtrl(QWidget* pParent = nullptr);

    // Puts the control at rc of its parent, with white pixels of that size.
    void Place(const QRect& rc);
    // The control's pixels, the size of the control; what the dialog paints into.
    QImage& Surface() { return m_image; }
    const QImage& Surface() const { return m_image; }
    // Moves the contents up by one pixel; the bottom row keeps what it had until painted.
    void ScrollUp();

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QImage m_image;
};
