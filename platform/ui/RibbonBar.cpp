// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonBar.h"

#include <QBoxLayout>
#include <QFrame>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>

#include "platform/ui/RibbonButton.h"
#include "platform/ui/RibbonEdit.h"
#include "platform/ui/Text.h"

namespace {

// The page's height holds three rows of small elements, or a large button, over a caption.
constexpr int kPageHeight = 96;

} // namespace

CRibbonBar::CRibbonBar(const CRibbonLayoutData& layout, QWidget* pParent)
    : QWidget(pParent) {
    setObjectName(QStringLiteral("RibbonBar"));
    // Typing that has not ended yet (the box still has the focus when a button is clicked)
    // is applied before any other command, which would otherwise work on the old value.
    const CRibbonElement::CCommandSink sink = [this](UINT nID) {
        CommitPendingEdits();
        emit Command(nID);
    };
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pLayout->addWidget(CreateTopRow(layout, sink));
    pLayout->addWidget(CreateTabRow(layout, sink));
    pLayout->addWidget(CreatePages(layout, sink));
    connect(m_pTabs, &QTabBar::currentChanged, this, &CRibbonBar::OnTabChanged);
    OnTabChanged(m_pTabs->currentIndex());
}

CRibbonBar::~CRibbonBar() {
    // The elements' signal handlers point at the elements: the widgets go first.
    for (QWidget* pChild : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        delete pChild;
    }
}

QWidget* CRibbonBar::CreateTopRow(const CRibbonLayoutData& layout,
                                  const CRibbonElement::CCommandSink& sink) {
    auto* pRow = new QWidget(this);
    auto* pRowLayout = new QHBoxLayout(pRow);
    pRowLayout->setContentsMargins(4, 2, 4, 0);
    pRowLayout->setSpacing(0);
    for (const CRibbonElementData& element : layout.quickAccess) {
        m_quickAccess.push_back(CreateRibbonElement(element, sink, pRow));
        auto* pButton = static_cast<CRibbonButton*>(m_quickAccess.back().get())->GetButton();
        pButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
        pRowLayout->addWidget(pButton);
    }
    pRowLayout->addStretch(1);
    return pRow;
}

QWidget* CRibbonBar::CreateTabRow(const CRibbonLayoutData& layout,
                                  const CRibbonElement::CCommandSink& sink) {
    auto* pRow = new QWidget(this);
    auto* pRowLayout = new QHBoxLayout(pRow);
    pRowLayout->setContentsMargins(4, 0, 4, 0);
    pRowLayout->setSpacing(2);
    m_pApplicationButton = CreateRibbonElement(layout.applicationButton, sink, pRow);
    QToolButton* pAppButton = GetApplicationButton();
    pAppButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    pAppButton->setIconSize(QSize(24, 24));
    pAppButton->setAutoRaise(true);
    pAppButton->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    pRowLayout->addWidget(pAppButton);

    m_pTabs = new QTabBar(pRow);
    m_pTabs->setDrawBase(false);
    m_pTabs->setExpanding(false);
    m_pTabs->setUsesScrollButtons(true);
    for (const CRibbonCategoryData& category : layout.categories) {
        m_pTabs->addTab(FromAnsi(category.pszName));
    }
    pRowLayout->addWidget(m_pTabs, 1, Qt::AlignBottom);

    for (const CRibbonElementData& element : layout.tabRow) {
        m_tabRow.push_back(CreateRibbonElement(element, sink, pRow));
        pRowLayout->addWidget(m_tabRow.back()->GetWidget(), 0, Qt::AlignVCenter);
    }
    return pRow;
}

QWidget* CRibbonBar::CreatePages(const CRibbonLayoutData& layout,
                                 const CRibbonElement::CCommandSink& sink) {
    auto* pFrame = new QFrame(this);
    pFrame->setObjectName(QStringLiteral("RibbonPages"));
    pFrame->setFrameShape(QFrame::StyledPanel);
    pFrame->setFixedHeight(kPageHeight);
    pFrame->setAutoFillBackground(true);
    QPalette palette = pFrame->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    pFrame->setPalette(palette);
    auto* pFrameLayout = new QVBoxLayout(pFrame);
    pFrameLayout->setContentsMargins(1, 1, 1, 1);
    m_pPages = new QStackedWidget(pFrame);
    pFrameLayout->addWidget(m_pPages);
    for (const CRibbonCategoryData& category : layout.categories) {
        m_categories.push_back(std::make_unique<CRibbonCategory>(category, sink, m_pPages));
        m_pPages->addWidget(m_categories.back()->GetWidget());
    }
    return pFrame;
}

std::string CRibbonBar::GetCategoryName(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCategoryCount()) {
        return {};
    }
    return m_categories[std::size_t(nIndex)]->GetName();
}

int CRibbonBar::FindCategory(const std::string& strName) const {
    for (int i = 0; i < GetCategoryCount(); ++i) {
        if (m_categories[std::size_t(i)]->GetName() == strName) {
            return i;
        }
    }
    return -1;
}

bool CRibbonBar::IsCategoryVisible(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCategoryCount() && m_pTabs->isTabVisible(nIndex);
}

void CRibbonBar::ShowCategory(int nIndex, bool bShow) {
    // Only a real change: QTabBar forgets that its layout is out of date when it is told
    // again what a tab already is, and would keep the gap of a tab hidden just before.
    if (nIndex >= 0 && nIndex < GetCategoryCount() && m_pTabs->isTabVisible(nIndex) != bShow) {
        m_pTabs->setTabVisible(nIndex, bShow);
    }
}

bool CRibbonBar::SetActiveCategory(int nIndex) {
    if (!IsCategoryVisible(nIndex)) {
        return false;
    }
    m_pTabs->setCurrentIndex(nIndex);
    return true;
}

int CRibbonBar::GetActiveCategory() const {
    return m_pTabs->currentIndex();
}

void CRibbonBar::RecalcLayout() {
    ShowPage(m_pTabs->currentIndex());
    m_pTabs->updateGeometry();
    updateGeometry();
    if (layout() != nullptr) {
        layout()->activate();
    }
    update();
}

CRibbonElement* CRibbonBar::FindByID(UINT nID, bool bVisibleOnly) const {
    if (nID == 0) {
        return nullptr;
    }
    for (int i = 0; i < GetCategoryCount(); ++i) {
        if (bVisibleOnly && !IsCategoryVisible(i)) {
            continue;
        }
        if (CRibbonElement* pElement = m_categories[std::size_t(i)]->FindByID(nID)) {
            return pElement;
        }
    }
    for (const auto* pElements : {&m_quickAccess, &m_tabRow}) {
        for (const auto& element : *pElements) {
            if (element->GetID() == nID || element->HasItem(nID)) {
                return element.get();
            }
        }
    }
    return nullptr;
}

CRibbonSliderLink* CRibbonBar::FindSlider(UINT nID) {
    CRibbonElement* pElement = FindByID(nID);
    return pElement != nullptr ? pElement->AsSlider() : nullptr;
}

CRibbonEditLink* CRibbonBar::FindEdit(UINT nID) {
    CRibbonElement* pElement = FindByID(nID);
    return pElement != nullptr ? pElement->AsEdit() : nullptr;
}

void CRibbonBar::RedrawWindow(UINT nFlags) {
    if (nFlags & RDW_UPDATENOW) {
        repaint();
    } else if (nFlags & RDW_INVALIDATE) {
        update();
    }
}

void CRibbonBar::UpdateCommandUI(const CRibbonElement::CCmdUIQuery& query) {
    ForEachElement([&query](CRibbonElement& element) { element.UpdateCmdUI(query); });
}

void CRibbonBar::CommitPendingEdits() {
    ForEachElement([](CRibbonElement& element) {
        if (auto* pEdit = dynamic_cast<CRibbonEdit*>(&element)) {
            pEdit->CommitPendingEdit();
        }
    });
}

QToolButton* CRibbonBar::GetApplicationButton() const {
    return static_cast<CRibbonButton*>(m_pApplicationButton.get())->GetButton();
}

void CRibbonBar::ForEachElement(const std::function<void(CRibbonElement&)>& fn) const {
    for (const auto& category : m_categories) {
        category->ForEachElement(fn);
    }
    for (const auto* pElements : {&m_quickAccess, &m_tabRow}) {
        for (const auto& element : *pElements) {
            fn(*element);
        }
    }
}

void CRibbonBar::ShowPage(int nIndex) {
    if (nIndex >= 0 && nIndex < m_pPages->count()) {
        m_pPages->setCurrentIndex(nIndex);
        m_pPages->setVisible(true);
    } else {
        m_pPages->setVisible(false);
    }
}

void CRibbonBar::OnTabChanged(int nIndex) {
    ShowPage(nIndex);
    emit ActiveCategoryChanged(nIndex);
}
