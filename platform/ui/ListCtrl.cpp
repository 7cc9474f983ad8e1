// SPDX-License-Identifier: MIT
#include "platform/ui/ListCtrl.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/ui/ImageList.h"

namespace {

// Room beside and below the picture for the item's text: two lines of text that wrap
// within the cell, and the same margin on each side.
constexpr int kTextMinWidth = 78;
constexpr int kCellMargin = 8;
constexpr int kTextLines = 2;

} // namespace

CListCtrl::CListCtrl(UINT nID, QWidget* pParent)
    : QListWidget(pParent)
    , m_nID(nID) {
    setViewMode(QListView::IconMode);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setWrapping(true);
    setWordWrap(true);
    setUniformItemSizes(true);
}

void CListCtrl::SetImageList(const CImageList* pImageList) {
    m_pImageList = pImageList;
    const QSize icon = pImageList != nullptr ? pImageList->GetImageSize() : QSize();
    setIconSize(icon);
    const int nCellWidth = qMax(icon.width(), kTextMinWidth) + kCellMargin;
    const int nCellHeight = icon.height() + kTextLines * fontMetrics().lineSpacing() + kCellMargin;
    setGridSize(QSize(nCellWidth, nCellHeight));
}

void CListCtrl::InsertItem(int nItem, const QString& text, int nImage) {
    auto* pItem = new QListWidgetItem(text);
    pItem->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The whole cell, so that the text wraps within the cell rather than within the
    // picture's width.
    pItem->setSizeHint(gridSize());
    if (m_pImageList != nullptr) {
        pItem->setIcon(QIcon(m_pImageList->GetImage(nImage)));
    }
    insertItem(nItem, pItem);
}

void CListCtrl::DeleteAllItems() {
    clear();
}

int CListCtrl::GetFirstSelectedItem() const {
    int nFirst = -1;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        if (nFirst < 0 || index.row() < nFirst) {
            nFirst = index.row();
        }
    }
    return nFirst;
}

void CListCtrl::mousePressEvent(QMouseEvent* pEvent) {
    if (itemAt(pEvent->position().toPoint()) == nullptr) {
        setFocus(Qt::MouseFocusReason);
        pEvent->accept();
        return;
    }
    QListWidget::mousePressEvent(pEvent);
}

void CListCtrl::mouseReleaseEvent(QMouseEvent* pEvent) {
    QListWidget::mouseReleaseEvent(pEvent);
    if (pEvent->button() == Qt::LeftButton) {
        emit Click();
    }
}

void CListCtrl::keyPressEvent(QKeyEvent* pEvent) {
    const int nKey = pEvent->key();
    const bool bChoose =
        (nKey == Qt::Key_Return || nKey == Qt::Key_Enter || nKey == Qt::Key_Space) &&
        pEvent->modifiers() == Qt::NoModifier;
    if (!bChoose) {
        QListWidget::keyPressEvent(pEvent);
        return;
    }
    pEvent->accept();
    if (QListWidgetItem* pItem = currentItem()) {
        setCurrentItem(pItem, QItemSelectionModel::ClearAndSelect);
        emit ReturnKey();
    }
}
