// SPDX-License-Identifier: MIT
// The ribbon bar: the application button and the quick-access toolbar, the row of tabs
// with the "Style" menu and Help on its right, and the page of the active category. Built
// from layout data (the program's own is in resources/); categories are shown, hidden and activated
// by index (names via FindCategory). The views reach it as a CRibbonBarLink.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QWidget>

#include "platform/ui/RibbonCategory.h"

class QStackedWidget;
class QTabBar;
class QToolButton;

class CRibbonBar : public QWidget, public CRibbonBarLink {
    Q_OBJECT

public:
    explicit CRibbonBar(const CRibbonLayoutData& layout, QWidget* pParent = nullptr);
    ~CRibbonBar() override;

    int GetCategoryCount() const { return int(m_categories.size()); }
    // Empty outside the range.
    std::string GetCategoryName(int nIndex) const;
    // -1 when no category has this exact name.
    int FindCategory(const std::string& strName) const;
    bool IsCategoryVisible(int nIndex) const;
    void ShowCategory(int nIndex, bool bShow);
    // Makes a visible category the active one; false for a hidden or unknown one.
    bool SetActiveCategory(int nIndex);
    int GetActiveCategory() const;
    // Re-lays the tab row and the page after categories were shown or hidden.
    void RecalcLayout();

    // Looks among the visible categories, then the quick-access toolbar and the tab row;
    // with bVisibleOnly false, among the hidden categories too.
    CRibbonElement* FindByID(UINT nID, bool bVisibleOnly = true) const;
    CRibbonSliderLink* FindSlider(UINT nID) override;
    CRibbonEditLink* FindEdit(UINT nID) override;
    void RedrawWindow(UINT nFlags) override;

    // Asks the update handlers for every element's state (check marks, radio marks,
    // enabled), in every category.
    void UpdateCommandUI(const CRibbonElement::CCmdUIQuery& query);

    // Ends every edit the user typed in but has not ended yet, sending its command.
    void CommitPendingEdits();

    QTabBar* GetTabBar() const { return m_pTabs; }
    QToolButton* GetApplicationButton() const;

signals:
    // An element was used: a click, a menu item, a slider move, an ended edit.
    void Command(UINT nID);
    // The user or the program made another category active.
    void ActiveCategoryChanged(int nIndex);

private:
    QWidget* CreateTopRow(const CRibbonLayoutData& layout,
                          const CRibbonElement::CCommandSink& sink);
    QWidget* CreateTabRow(const CRibbonLayoutData& layout,
                          const CRibbonElement::CCommandSink& sink);
    QWidget* CreatePages(const CRibbonLayoutData& layout, const CRibbonElement::CCommandSink& sink);
    void ForEachElement(const std::function<void(CRibbonElement&)>& fn) const;
    void ShowPage(int nIndex);
    void OnTabChanged(int nIndex);

    std::unique_ptr<CRibbonElement> m_pApplicationButton;
    std::vector<std::unique_ptr<CRibbonElement>> m_quickAccess;
    std::vector<std::unique_ptr<CRibbonElement>> m_tabRow;
    std::vector<std::unique_ptr<CRibbonCategory>> m_categories;
    QTabBar* m_pTabs = nullptr;
    QStackedWidget* m_pPages = nullptr;
};
