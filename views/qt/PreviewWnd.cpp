// SPDX-License-Identifier: MIT
#include "views/qt/PreviewWnd.h"

#include <QPaintEvent>
#include <QPainter>

#include "platform/ui/HostedViewImage.h"

CPreviewWnd::CPreviewWnd(std::unique_ptr<CHostedView> pView, QWidget* pParent)
    : QWidget(pParent)
    , m_pView(std::move(pView)) {
    // Every pixel is painted from the image: no background fill beforehand.
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (m_pView != nullptr) {
        m_pView->AttachHost(this);
    }
}

CPreviewWnd::~CPreviewWnd() {
    if (m_pView != nullptr) {
        m_pView->DetachHost();
        m_pView.reset();
    }
}

void CPreviewWnd::OnInitialUpdate() {
    if (m_pView != nullptr) {
        m_pView->OnInitialUpdate();
        m_pView->OnSize(SIZE_RESTORED, width(), height());
    }
}

CRect CPreviewWnd::GetWindowRectInClient() const {
    return CRect{0, 0, width(), height()};
}

void CPreviewWnd::Invalidate(bool /*bErase*/) {
    // Every paint erases the whole image first.
    update();
}

void CPreviewWnd::paintEvent(QPaintEvent* pEvent) {
    if (width() <= 0 || height() <= 0) {
        return;
    }
    if (m_image.size() != size()) {
        m_image = QImage(size(), QImage::Format_RGB32);
    }
    if (m_pView != nullptr) {
        PaintHostedViewImage(*m_pView, m_image);
    } else {
        m_image.fill(
            QColor(GetRValue(kWindowColour), GetGValue(kWindowColour), GetBValue(kWindowColour)));
    }
    QPainter painter(this);
    painter.drawImage(pEvent->rect(), m_image, pEvent->rect());
}

void CPreviewWnd::resizeEvent(QResizeEvent* pEvent) {
    QWidget::resizeEvent(pEvent);
    if (m_pView != nullptr) {
        m_pView->OnSize(SIZE_RESTORED, width(), height());
    }
}

void CPreviewWnd::showEvent(QShowEvent* pEvent) {
    QWidget::showEvent(pEvent);
    if (m_pView != nullptr) {
        m_pView->OnShowWindow(true);
    }
}
