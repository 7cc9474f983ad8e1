// SPDX-License-Identifier: MIT
#include "app/SelectionView.h"

#include <QContextMenuEvent>
#include <QPainter>

#include "fractals/FractalCatalog.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Text.h"
#include "platform/ui/Thumbnails.h"
#include "platform/ui/core/MessageBox.h"
#include "resources/Resource.h"
#include "settings/ProgramSettings.h"

// The pane's client area: the list, 1 pixel in from every side, inside a one-pixel frame
// in the shadow colour.
class CSelectionView::CClientArea : public QWidget {
public:
    explicit CClientArea(QWidget* pParent)
        : QWidget(pParent) {}

    void SetList(QWidget* pList) {
        m_pList = pList;
        setFocusProxy(pList);
        AdjustLayout();
    }

protected:
    void resizeEvent(QResizeEvent* /*pEvent*/) override { AdjustLayout(); }

    void paintEvent(QPaintEvent* /*pEvent*/) override {
        if (m_pList == nullptr) {
            return;
        }
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Dark));
        const QRect rcFrame = m_pList->geometry().adjusted(-1, -1, 1, 1);
        painter.drawRect(rcFrame.adjusted(0, 0, -1, -1));
    }

private:
    void AdjustLayout() {
        if (m_pList != nullptr) {
            m_pList->setGeometry(1, 1, qMax(width() - 2, 0), qMax(height() - 2, 0));
        }
    }

    QWidget* m_pList = nullptr;
};

CSelectionView::CSelectionView(CSelectionTarget* pTarget, QWidget* pParent)
    : CDockablePane(ID_SELECTION_PANE, QStringLiteral("Selection View"),
                    QStringLiteral("SelectionView"), pParent)
    , m_pTarget(pTarget)
    , m_pClientArea(new CClientArea(this)) {
    // The pane keeps the close button of every pane; the frame refuses the close.
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setWidget(m_pClientArea);

    const bool bSmall = ReadSmallThumbnails();
    LoadThumbnails(m_imlSmall, true);
    LoadThumbnails(m_imlLarge, false);

    m_wndList = new CListCtrl(IDC_SELECTION_LIST, m_pClientArea);
    m_pClientArea->SetList(m_wndList);
    setFocusProxy(m_wndList);
    connect(m_wndList, &CListCtrl::Click, this, &CSelectionView::OnClickList);
    // The keyboard chooses the highlighted curve as the mouse does; moving the highlight
    // alone switches nothing.
    connect(m_wndList, &CListCtrl::ReturnKey, this, &CSelectionView::OnClickList);
    SetImageListStyle(bSmall);
}

void CSelectionView::LoadThumbnails(CImageList& imageList, bool bSmall) {
    const int cx = bSmall ? kSmallWidth : kLargeWidth;
    const int cy = bSmall ? kSmallHeight : kLargeHeight;
    imageList.Create(cx, cy);
    for (int nPosition = 0; nPosition < kFractalCount; ++nPosition) {
        // A view made only for its picture, gone once drawn.
        if (auto pView = CreateFractalView(nPosition)) {
            pView->SetClock([] { return kThumbnailClock; });
            imageList.AddMasked(DrawThumbnail(*pView, cx, cy), kMaskColour);
        }
    }
}

void CSelectionView::SetImageListStyle(bool bSmall) {
    const CImageList* pImageList = bSmall ? &m_imlSmall : &m_imlLarge;
    m_wndList->DeleteAllItems();
    m_wndList->SetImageList(pImageList);
    if (m_wndList->GetImageList() != pImageList ||
        m_wndList->iconSize() != pImageList->GetImageSize()) {
        AfxMessageBox("Internal Error: Unable to Change Image List for Selection Control !!!");
    }
    for (const CFractalInfo& info : FractalCatalog()) {
        m_wndList->InsertItem(info.nPosition, FromAnsi(info.pszTabName), info.nPosition);
    }
    m_wndList->clearSelection();
    m_wndList->setCurrentItem(nullptr);
}

void CSelectionView::OnClickList() {
    if (m_pTarget == nullptr) {
        return;
    }
    const int nPosition = m_wndList->GetFirstSelectedItem();
    if (nPosition < 0 || nPosition >= kFractalCount) {
        return;
    }
    m_pTarget->ActivateCategory(FractalCatalog()[std::size_t(nPosition)].pszTabName);
    m_pTarget->SwitchToFractal(nPosition);
}

bool CSelectionView::OnShowControlBarMenu() {
    return true;
}

void CSelectionView::contextMenuEvent(QContextMenuEvent* pEvent) {
    // Accepted here, the request never reaches the main window's own pane menu.
    if (OnShowControlBarMenu()) {
        pEvent->accept();
    }
}
