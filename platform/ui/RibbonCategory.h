// SPDX-License-Identifier: MIT
// A ribbon category (one tab's page): its panels side by side, separated by thin lines.
// When the page is narrower than its panels, they collapse from the right into single
// buttons that drop their content down (CRibbonPanelSlot); labels are never cut.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/RibbonPanel.h"

class CRibbonPanelSlot;

class CRibbonCategory {
public:
    CRibbonCategory(const CRibbonCategoryData& data, const CRibbonElement::CCommandSink& sink,
                    QWidget* pParent);

    QWidget* GetWidget() const { return m_pWidget; }
    std::string GetName() const { return m_data.pszName; }
    const std::vector<std::unique_ptr<CRibbonPanel>>& GetPanels() const { return m_panels; }

    // The first element with this identifier, or whose menu carries it; null when none.
    CRibbonElement* FindByID(UINT nID) const;
    void ForEachElement(const std::function<void(CRibbonElement&)>& fn) const;

    // The panels' places, in ribbon order.
    const std::vector<CRibbonPanelSlot*>& GetSlots() const { return m_slots; }
    // Collapses panels from the right until the page fits nWidth pixels, and expands
    // every panel that fits again.
    void FitPanels(int nWidth);
    // The narrowest the page can be: every panel collapsed.
    int MinimumWidth() const;

private:
    class CPage;
    int FixedWidth() const;

    const CRibbonCategoryData& m_data;
    QWidget* m_pWidget;
    std::vector<std::unique_ptr<CRibbonPanel>> m_panels;
    std::vector<CRibbonPanelSlot*> m_slots;
    std::vector<QWidget*> m_separators;
};
