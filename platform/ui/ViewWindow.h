// SPDX-License-Identifier: MIT
// The scrolling window that hosts one fractal view: it paints the view through the raster
// surface into an image and puts the image on the screen, recomputes the view's rectangles
// on every resize, tells the view when it is shown, and destroys the view with itself (the
// view's destructor keeps its settings).
#pragma once

#include <memory>

#include <QImage>
#include <QScrollArea>

#include "platform/ui/core/FrameLink.h"

class CNimbrelBaseView;

class CViewWindow : public QScrollArea, public CViewWindowLink {
    Q_OBJECT

public:
    // The colour the window is erased to before the view draws: white.
    static constexpr COLORREF kWindowColour = 0x00FFFFFF;

    explicit CViewWindow(std::unique_ptr<CNimbrelBaseView> pView, QWidget* pParent = nullptr);
    ~CViewWindow() override;

    CNimbrelBaseView* GetView() const { return m_pView.get(); }
    // The widget the picture is painted on, inside the scrolled area.
    QWidget* GetCanvas() const { return m_pCanvas; }
    // The view's initial update, once its window exists.
    void OnInitialUpdate();
    // The picture as the window paints it: erased, then drawn by the view.
    QImage RenderImage(QSize size) const;

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

    std::unique_ptr<CNimbrelBaseView> m_pView;
    QWidget* m_pCanvas;
};
