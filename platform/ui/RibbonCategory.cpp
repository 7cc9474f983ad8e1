// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonCategory.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QWidget>

#include "platform/ui/Text.h"

CRibbonCategory::CRibbonCategory(const CRibbonCategoryData& data,
                                 const CRibbonElement::CCommandSink& sink, QWidget* pParent)
    : m_data(data)
    , m_pWidget(new QWidget(pParent)) {
    m_pWidget->setObjectName(FromAnsi(data.pszName));
    auto* pLayout = new QHBoxLayout(m_pWidget);
    pLayout->setContentsMargins(2, 2, 2, 2);
    pLayout->setSpacing(2);
    for (const CRibbonPanelData& panel : data.panels) {
        if (!m_panels.empty()) {
            auto* pLine = new QFrame(m_pWidget);
            pLine->setFrameShape(QFrame::VLine);
            pLine->setFrameShadow(QFrame::Sunken);
            pLayout->addWidget(pLine);
        }
        m_panels.push_back(std::make_unique<CRibbonPanel>(panel, sink, m_pWidget));
        pLayout->addWidget(m_panels.back()->GetWidget());
    }
    pLayout->addStretch(1);
}

CRibbonElement* CRibbonCategory::FindByID(UINT nID) const {
    for (const auto& panel : m_panels) {
        for (const auto& element : panel->GetElements()) {
            if (nID != 0 && (element->GetID() == nID || element->HasItem(nID))) {
                return element.get();
            }
        }
    }
    return nullptr;
}

void CRibbonCategory::ForEachElement(const std::function<void(CRibbonElement&)>& fn) const {
    for (const auto& panel : m_panels) {
        for (const auto& element : panel->GetElements()) {
            fn(*element);
        }
    }
}
