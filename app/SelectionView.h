// SPDX-License-Identifier: MIT
// The docking pane "Selection View": the ten curves as an icon list, each with a thumbnail
// drawn by its own view and its ribbon tab name. A click on a curve asks the frame to show
// that curve's tab and view. The pane cannot be closed and has no caption menu.
#pragma once

#include <QWidget>

#include "app/SelectionTarget.h"
#include "platform/ui/DockablePane.h"
#include "platform/ui/ImageList.h"

class CListCtrl;

class CSelectionView : public CDockablePane {
    Q_OBJECT

public:
    // The thumbnail sizes in pixels.
    static constexpr int kSmallWidth = 48;
    static constexpr int kSmallHeight = 45;
    static constexpr int kLargeWidth = 150;
    static constexpr int kLargeHeight = 140;
    // Pixels of this colour (0x00BBGGRR) in a thumbnail are transparent.
    static constexpr COLORREF kMaskColour = 0x00000000;

    // Reads the thumbnail size setting, draws both sets of thumbnails and fills the list. pTarget
    // receives the clicks; it may be null (the clicks then do nothing).
    explicit CSelectionView(CSelectionTarget* pTarget, QWidget* pParent = nullptr);

    // true for the small thumbnails, false for the large ones: the list is filled anew, with
    // no item selected.
    void SetImageListStyle(bool bSmall);
    void SetTarget(CSelectionTarget* pTarget) { m_pTarget = pTarget; }

    // Null when the list could not be made.
    CListCtrl* GetListCtrl() const { return m_wndList; }
    const CImageList& GetImageList(bool bSmall) const { return bSmall ? m_imlSmall : m_imlLarge; }

protected:
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    class CClientArea;

    // Reports the caption menu as shown without showing one.
    bool OnShowControlBarMenu();
    // NM_CLICK from the list, and Return or Space on its highlighted item.
    void OnClickList();
    static void LoadThumbnails(CImageList& imageList, bool bSmall);

    CSelectionTarget* m_pTarget;
    CClientArea* m_pClientArea;
    CListCtrl* m_wndList = nullptr;
    CImageList m_imlSmall;
    CImageList m_imlLarge;
};
