// SPDX-License-Identifier: MIT
// The list control of a pane: items with a picture and a text in icon view, one item
// selectable at a time, arranged anew whenever the control is resized. Like the list
// control it stands for, it reports every left click, on an item or on an empty part.
#pragma once

#include <QListWidget>

#include "platform/WinTypes.h"

class CImageList;

class CListCtrl : public QListWidget {
    Q_OBJECT

public:
    CListCtrl(UINT nID, QWidget* pParent);

    UINT GetDlgCtrlID() const { return m_nID; }
    // Shows the pictures of the list at their size; the items take theirs by index. A null
    // list shows no pictures.
    void SetImageList(const CImageList* pImageList);
    const CImageList* GetImageList() const { return m_pImageList; }
    void InsertItem(int nItem, const QString& text, int nImage);
    void DeleteAllItems();
    // The first selected item's row; -1 when none is selected.
    int GetFirstSelectedItem() const;

signals:
    // A left mouse button released over the control, once the control has handled it.
    void Click();
    // Return, Enter or Space on the highlighted item, once that item is selected.
    void ReturnKey();

protected:
    // A press on an empty part keeps the selection, as the list control it stands for does.
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    // Return, Enter and Space choose the highlighted item, as a click on it would.
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    UINT m_nID;
    const CImageList* m_pImageList = nullptr;
};
