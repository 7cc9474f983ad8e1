// SPDX-License-Identifier: MIT
// A ribbon category (one tab's page): its panels side by side, separated by thin lines.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/RibbonPanel.h"

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

private:
    const CRibbonCategoryData& m_data;
    QWidget* m_pWidget;
    std::vector<std::unique_ptr<CRibbonPanel>> m_panels;
};
