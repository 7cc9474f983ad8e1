// SPDX-License-Identifier: MIT
// The colour dialog's preview: a window that hosts a temporary view for its picture only.
// It paints the view the way every host does, at its own size; the view's record is never
// loaded from or kept in the settings store, and the view leaves the ribbon alone.
#pragma once

#include <memory>

#include <QImage>
#include <QWidget>

#include "platform/ui/core/ViewHost.h"

class CPreviewWnd : public QWidget, public CViewHost {
    Q_OBJECT

public:
    CPreviewWnd(std::unique_ptr<CHostedView> pView, QWidget* pParent = nullptr);
    ~CPreviewWnd() override;

    CHostedView* GetView() const { return m_pView.get(); }
    // The view's initial update, once the window has its size.
    void OnInitialUpdate();

    CViewHosting GetHosting() const override { return kPictureHosting; }
    CRect GetWindowRectInClient() const override;
    void Invalidate(bool bErase) override;
    void SetScrollSizes(int /*cx*/, int /*cy*/) override {}
    // The preview is not a picture the user copies.
    void CopyToClipboard() override {}

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;

private:
    std::unique_ptr<CHostedView> m_pView;
    // Kept between paints so that a repaint of the same size allocates nothing.
    QImage m_image;
};
