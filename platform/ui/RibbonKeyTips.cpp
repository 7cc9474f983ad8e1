// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonKeyTips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTabBar>
#include <QToolButton>

#include "platform/ui/RibbonBar.h"
#include "platform/ui/Text.h"

CRibbonKeyTips::CRibbonKeyTips(CRibbonBar* pRibbon, const CRibbonLayoutData& layout)
    : QObject(pRibbon)
    , m_pRibbon(pRibbon)
    , m_layout(layout) {
    qApp->installEventFilter(this);
}

CRibbonKeyTips::~CRibbonKeyTips() {
    qApp->removeEventFilter(this);
    Hide();
}

QString CRibbonKeyTips::TabKey(int nIndex) const {
    const CRibbonCategoryData& category = m_layout.categories[std::size_t(nIndex)];
    if (category.pszKeyTip != nullptr && *category.pszKeyTip != '\0') {
        return FromAnsi(category.pszKeyTip).toUpper();
    }
    const QString name = FromAnsi(category.pszName).toUpper();
    for (const QChar letter : name) {
        if (!letter.isLetterOrNumber()) {
            continue;
        }
        bool bUsed = false;
        for (const CTip& tip : m_tips) {
            bUsed |= tip.key == letter;
        }
        if (!bUsed) {
            return letter;
        }
    }
    return name.left(1);
}

void CRibbonKeyTips::AddTip(const QString& key, QWidget* pTarget, int nTab) {
    QWidget* pWindow = m_pRibbon->window();
    auto* pLabel = new QLabel(key, pWindow);
    pLabel->setObjectName(QStringLiteral("RibbonKeyTip"));
    pLabel->setAlignment(Qt::AlignCenter);
    pLabel->setFrameShape(QFrame::Box);
    pLabel->setAutoFillBackground(true);
    QPalette palette = pLabel->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ToolTipText));
    pLabel->setPalette(palette);
    pLabel->adjustSize();
    QRect rcTarget = pTarget->rect();
    if (nTab >= 0) {
        rcTarget = m_pRibbon->GetTabBar()->tabRect(nTab);
    }
    const QPoint bottomCentre = pTarget->mapTo(pWindow, rcTarget.center()) +
                                QPoint(-pLabel->width() / 2, rcTarget.height() / 4);
    pLabel->move(bottomCentre);
    pLabel->show();
    pLabel->raise();
    m_tips.push_back({key, pTarget, nTab, pLabel});
}

void CRibbonKeyTips::Show() {
    Hide();
    if (m_pRibbon == nullptr || !m_pRibbon->isVisible()) {
        return;
    }
    QToolButton* pAppButton = m_pRibbon->GetApplicationButton();
    AddTip(FromAnsi(m_layout.applicationButton.pszKeyTip), pAppButton, -1);
    QTabBar* pTabs = m_pRibbon->GetTabBar();
    for (int i = 0; i < pTabs->count() && std::size_t(i) < m_layout.categories.size(); ++i) {
        if (pTabs->isTabVisible(i)) {
            AddTip(TabKey(i), pTabs, i);
        }
    }
    // The tab row's buttons stand after the application button, in layout order.
    std::size_t nElement = 0;
    for (QToolButton* pButton :
         pAppButton->parentWidget()->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        if (pButton == pAppButton || nElement >= m_layout.tabRow.size()) {
            continue;
        }
        const char* pszKey = m_layout.tabRow[nElement++].pszKeyTip;
        if (pszKey != nullptr && *pszKey != '\0') {
            AddTip(FromAnsi(pszKey), pButton, -1);
        }
    }
}

void CRibbonKeyTips::Hide() {
    for (CTip& tip : m_tips) {
        delete tip.pLabel;
    }
    m_tips.clear();
}

QString CRibbonKeyTips::ShownKeys() const {
    QString keys;
    for (const CTip& tip : m_tips) {
        keys += tip.key;
    }
    return keys;
}

bool CRibbonKeyTips::Run(const QString& key) {
    for (const CTip& tip : m_tips) {
        if (tip.key.compare(key, Qt::CaseInsensitive) != 0) {
            continue;
        }
        QWidget* pTarget = tip.pTarget;
        const int nTab = tip.nTab;
        Hide();
        if (nTab >= 0) {
            m_pRibbon->SetActiveCategory(nTab);
        } else if (auto* pButton = qobject_cast<QToolButton*>(pTarget)) {
            if (pButton->menu() != nullptr && pButton->popupMode() == QToolButton::InstantPopup) {
                pButton->showMenu();
            } else {
                pButton->click();
            }
        }
        return true;
    }
    return false;
}

bool CRibbonKeyTips::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (m_pRibbon == nullptr || !pWatched->isWidgetType()) {
        return false;
    }
    const QWidget* pWidget = static_cast<QWidget*>(pWatched);
    if (pWidget->window() != m_pRibbon->window()) {
        return false;
    }
    switch (pEvent->type()) {
    case QEvent::ShortcutOverride:
        // A chord with Alt that an accelerator takes never arrives as a key press.
        if (static_cast<QKeyEvent*>(pEvent)->key() != Qt::Key_Alt) {
            m_bAltAlone = false;
        }
        return false;
    case QEvent::KeyPress: {
        const auto* pKey = static_cast<QKeyEvent*>(pEvent);
        if (pKey->key() == Qt::Key_Alt) {
            m_bAltAlone = !pKey->isAutoRepeat() || m_bAltAlone;
            return false;
        }
        m_bAltAlone = false;
        if (!IsShown()) {
            return false;
        }
        if (pKey->key() == Qt::Key_Escape) {
            Hide();
            return true;
        }
        if (!pKey->text().isEmpty() && Run(pKey->text())) {
            return true;
        }
        Hide();
        return true;
    }
    case QEvent::KeyRelease: {
        const auto* pKey = static_cast<QKeyEvent*>(pEvent);
        if (pKey->key() == Qt::Key_Alt && m_bAltAlone && !pKey->isAutoRepeat()) {
            m_bAltAlone = false;
            if (IsShown()) {
                Hide();
            } else {
                Show();
            }
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::WindowDeactivate:
        m_bAltAlone = false;
        Hide();
        return false;
    default:
        return false;
    }
}
