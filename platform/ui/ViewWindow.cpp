// SPDX-License-Identifier: MIT
#include "platform/ui/ViewWindow.h"

#include <QPaintEvent>
#include <QPainter>

#include "platform/ui/Clipboard.h"
#include "platform/ui/HostedViewImage.h"

namespace {

// The scroll size until the view sets its own.
constexpr int kDefaultScrollSize = 100;

} // namespace

// The scrolled widget: its coordinates are the view's logical coordinates.
class CViewWindow::CCanvas : public QWidget {
public:
    explicit CCanvas(CViewWindow* pWindow)
        : QWidget(pWindow)
        , m_pWindow(pWindow) {
        // Every pixel is painted from the image: no background fill beforehand.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* pEvent) override {
        if (width() <= 0 || height() <= 0) {
            return;
        }
        if (m_image.size() != size()) {
            m_image = QImage(size(), QImage::Format_RGB32);
        }
        m_pWindow->Render(m_image);
        QPainter painter(this);
        painter.drawImage(pEvent->rect(), m_image, pEvent->rect());
    }

private:
    CViewWindow* m_pWindow;
    // Kept between paints so that a repaint of the same size allocates nothing.
    QImage m_image;
};

CViewWindow::CViewWindow(std::unique_ptr<CHostedView> pView, CViewHosting hosting, QWidget* pParent)
    : QScrollArea(pParent)
    , m_hosting(hosting)
    , m_pView(std::move(pView))
    , m_pCanvas(new CCanvas(this)) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(m_pCanvas);
    SetScrollSizes(kDefaultScrollSize, kDefaultScrollSize);
    if (m_pView != nullptr) {
        m_pView->AttachHost(this);
    }
}

CViewWindow::~CViewWindow() {
    if (m_pView != nullptr) {
        m_pView->DetachHost();
        m_pView.reset();
    }
}

void CViewWindow::OnInitialUpdate() {
    if (m_pView != nullptr) {
        m_pView->OnInitialUpdate();
    }
}

QImage CViewWindow::RenderImage(QSize size) const {
    QImage image(size, QImage::Format_RGB32);
    if (!image.isNull()) {
        Render(image);
    }
    return image;
}

void CViewWindow::Render(QImage& image) const {
    if (m_pView != nullptr) {
        PaintHostedViewImage(*m_pView, image);
    } else {
        image.fill(
            QColor(GetRValue(kWindowColour), GetGValue(kWindowColour), GetBValue(kWindowColour)));
    }
}

CRect CViewWindow::GetWindowRectInClient() const {
    // The whole window, scroll bars included, in the coordinates of its client area.
    const QPoint topLeft = viewport()->mapFrom(this, QPoint(0, 0));
    return CRect{topLeft.x(), topLeft.y(), topLeft.x() + width(), topLeft.y() + height()};
}

void CViewWindow::Invalidate(bool /*bErase*/) {
    // Every paint erases the whole image first, so erasing needs nothing more.
    m_pCanvas->update();
}

void CViewWindow::SetScrollSizes(int cx, int cy) {
    m_pCanvas->setMinimumSize(qMax(cx, 0), qMax(cy, 0));
}

void CViewWindow::CopyToClipboard() {
    // What the window shows at this moment: the visible part of the picture.
    CopyImageToClipboard(viewport()->grab().toImage());
}

void CViewWindow::resizeEvent(QResizeEvent* pEvent) {
    QScrollArea::resizeEvent(pEvent);
    if (m_pView != nullptr) {
        m_pView->OnSize(SIZE_RESTORED, viewport()->width(), viewport()->height());
    }
}

void CViewWindow::showEvent(QShowEvent* pEvent) {
    QScrollArea::showEvent(pEvent);
    if (m_pView != nullptr) {
        m_pView->OnShowWindow(true);
    }
}

void CViewWindow::hideEvent(QHideEvent* pEvent) {
    QScrollArea::hideEvent(pEvent);
    if (m_pView != nullptr) {
        m_pView->OnShowWindow(false);
    }
}
