// SPDX-License-Identifier: MIT
// A panel's place on its category page. When the page is too narrow for every panel, the
// slot shows the panel collapsed: one button with the panel's name, which drops the panel's
// content down in a pop-up when clicked, as ribbons do, so no label is ever cut.
#pragma once

#include <QWidget>

class QFrame;
class QToolButton;
class CRibbonPanel;

class CRibbonPanelSlot : public QWidget {
    Q_OBJECT

public:
    CRibbonPanelSlot(CRibbonPanel& panel, QWidget* pParent);

    void SetCollapsed(bool bCollapsed);
    bool IsCollapsed() const { return m_bCollapsed; }
    // Widths of the two ways of showing the panel.
    int FullWidth() const;
    int CollapsedWidth() const;

    QToolButton* GetCollapsedButton() const { return m_pButton; }
    // The pop-up that holds the panel's content while it is dropped down.
    QFrame* GetPopup() const { return m_pPopup; }
    // Drops the content down below the button (a click on it does the same).
    void ShowPopup();

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    // Back into the slot from the pop-up.
    void TakePanelBack();

    QWidget* m_pPanel;
    QToolButton* m_pButton;
    QFrame* m_pPopup;
    bool m_bCollapsed = false;
};
