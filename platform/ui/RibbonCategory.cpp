// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonCategory.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QWidget>

#include "platform/ui/RibbonPanelSlot.h"
#include "platform/ui/Text.h"

// The page widget: it reports every new width to the category, and asks no more width of
// the window than all panels collapsed take.
class CRibbonCategory::CPage : public QWidget {
public:
    CPage(CRibbonCategory& category, QWidget* pParent)
        : QWidget(pParent)
        , m_category(category) {}

    QSize minimumSizeHint() const override {
        return {m_category.MinimumWidth(), QWidget::minimumSizeHint().height()};
    }

protected:
    void resizeEvent(QResizeEvent* pEvent) override {
        QWidget::resizeEvent(pEvent);
        m_category.FitPanels(width());
    }

private:
    CRibbonCategory& m_category;
};

CRibbonCategory::CRibbonCategory(const CRibbonCategoryData& data,
                                 const CRibbonElement::CCommandSink& sink, QWidget* pParent)
    : m_data(data)
    , m_pWidget(new CPage(*this, pParent)) {
    m_pWidget->setObjectName(FromAnsi(data.pszName));
    auto* pLayout = new QHBoxLayout(m_pWidget);
    pLayout->setContentsMargins(2, 2, 2, 2);
    pLayout->setSpacing(2);
    // The page decides which panels fit; the layout must not hold the window wide.
    pLayout->setSizeConstraint(QLayout::SetNoConstraint);
    for (const CRibbonPanelData& panel : data.panels) {
        if (!m_panels.empty()) {
            auto* pLine = new QFrame(m_pWidget);
            pLine->setFrameShape(QFrame::VLine);
            pLine->setFrameShadow(QFrame::Sunken);
            pLayout->addWidget(pLine);
            m_separators.push_back(pLine);
        }
        m_panels.push_back(std::make_unique<CRibbonPanel>(panel, sink, m_pWidget));
        m_slots.push_back(new CRibbonPanelSlot(*m_panels.back(), m_pWidget));
        pLayout->addWidget(m_slots.back());
    }
    pLayout->addStretch(1);
}

int CRibbonCategory::FixedWidth() const {
    const QLayout* pLayout = m_pWidget->layout();
    const QMargins margins = pLayout->contentsMargins();
    int nWidth = margins.left() + margins.right();
    for (const QWidget* pLine : m_separators) {
        nWidth += pLine->sizeHint().width();
    }
    const int nItems = int(m_slots.size() + m_separators.size());
    return nWidth + pLayout->spacing() * qMax(nItems - 1, 0);
}

int CRibbonCategory::MinimumWidth() const {
    int nWidth = FixedWidth();
    for (const CRibbonPanelSlot* pSlot : m_slots) {
        nWidth += pSlot->CollapsedWidth();
    }
    return nWidth;
}

void CRibbonCategory::FitPanels(int nWidth) {
    int nNeeded = FixedWidth();
    for (const CRibbonPanelSlot* pSlot : m_slots) {
        nNeeded += pSlot->FullWidth();
    }
    std::vector<bool> collapse(m_slots.size(), false);
    for (std::size_t i = m_slots.size(); i-- > 0 && nNeeded > nWidth;) {
        nNeeded -= m_slots[i]->FullWidth() - m_slots[i]->CollapsedWidth();
        collapse[i] = true;
    }
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        m_slots[i]->SetCollapsed(collapse[i]);
    }
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
