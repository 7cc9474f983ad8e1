// SPDX-License-Identifier: MIT
// The scrolling window that hosts one view: it paints the view through the raster surface
// into an image and puts the image on the screen, forwards resize and show to the view, and
// destroys the view with itself (the view keeps its settings then, when the hosting says so).
#pragma once

#include <memory>

#include <QImage>
#include <QScrollArea>

#include "platform/ui/core/ViewHost.h"

class CViewWindow : public QScrollArea, public CViewHost {
    Q_OBJECT

public:
    CViewWindow(std::unique_ptr<CHostedView> pView, CViewHosting hosting,
                QWidget* pParent = nullptr);
    ~CViewWindow() override;

    CHostedView* GetView() const { return m_pView.get(); }
    // The widget the picture is painted on, inside the scrolled area.
    QWidget* GetCanvas() const { return m_pCanvas; }
    // The view's initial update, once its window exists.
    void OnInitialUpdate();
    // The picture as the window paints it: erased, then drawn by the view.
    QImage RenderImage(QSize size) const;

    CViewHosting GetHosting() const override { return m_hosting; }
    CRect GetWindowRectInClient() const override;
    void Invalidate(bool bErase) override;
    void SetScrollSizes(int cx, int cy) override;
    void CopyToClipboard() override;

protected:
    void resizeEvent(QResizeEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;

private:
    class CCanvas;

    void Render(QImage& image) const;

    CViewHosting m_hosting;
    std::unique_ptr<CHostedView> m_pView;
    QWidget* m_pCanvas;
};
