// SPDX-License-Identifier: MIT
// The ribbon's buttons: large (icon over text), small (text beside an optional icon), split
// (its own command, and a menu of items behind the arrow) and menu buttons (the menu only).
#pragma once

#include <vector>

#include "platform/ui/RibbonElement.h"

class QAction;
class QActionGroup;
class QMenu;
class QToolButton;

class CRibbonButton : public CRibbonElement {
public:
    CRibbonButton(const CRibbonElementData& data, CCommandSink sink, QWidget* pParent);

    QWidget* GetWidget() const override;
    QToolButton* GetButton() const { return m_pButton; }
    // The menu of a split or menu button; null for the others.
    QMenu* GetMenu() const { return m_pMenu; }
    bool HasItem(UINT nID) const override;
    // Buttons and menu items show a check or radio mark when an update handler sets one.
    void UpdateCmdUI(const CCmdUIQuery& query) override;

private:
    struct CItem {
        UINT nID;
        QAction* pAction;
    };

    QToolButton* m_pButton;
    QMenu* m_pMenu = nullptr;
    QActionGroup* m_pRadioGroup = nullptr;
    std::vector<CItem> m_items;
};
