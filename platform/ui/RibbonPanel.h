// SPDX-License-Identifier: MIT
// A panel of a ribbon category: its elements laid out in columns (a large button takes a
// column of its own, smaller elements stack three to a column) over its caption.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/RibbonElement.h"

class QWidget;

// Builds the element of the layout's kind, its widget a child of pParent.
std::unique_ptr<CRibbonElement> CreateRibbonElement(const CRibbonElementData& data,
                                                    const CRibbonElement::CCommandSink& sink,
                                                    QWidget* pParent);

class CRibbonPanel {
public:
    // Smaller elements per column.
    static constexpr int kRowsPerColumn = 3;

    CRibbonPanel(const CRibbonPanelData& data, const CRibbonElement::CCommandSink& sink,
                 QWidget* pParent);

    QWidget* GetWidget() const { return m_pWidget; }
    std::string GetName() const { return m_data.pszName; }
    const std::vector<std::unique_ptr<CRibbonElement>>& GetElements() const { return m_elements; }

private:
    const CRibbonPanelData& m_data;
    QWidget* m_pWidget;
    std::vector<std::unique_ptr<CRibbonElement>> m_elements;
};
