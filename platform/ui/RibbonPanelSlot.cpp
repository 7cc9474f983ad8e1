// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonPanelSlot.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>

#include "platform/ui/RibbonPanel.h"
#include "platform/ui/Text.h"

namespace {

// A collapsed panel's name takes two lines when it has a space, as a large button's text
// does, so the collapsed buttons stay narrow.
QString TwoLines(const QString& text) {
    qsizetype nBest = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u' ' &&
            (nBest < 0 || qAbs(i - text.size() / 2) < qAbs(nBest - text.size() / 2))) {
            nBest = i;
        }
    }
    return nBest < 0 ? text : text.left(nBest) + u'\n' + text.mid(nBest + 1);
}

} // namespace

CRibbonPanelSlot::CRibbonPanelSlot(CRibbonPanel& panel, QWidget* pParent)
    : QWidget(pParent)
    , m_pPanel(panel.GetWidget())
    , m_pButton(new QToolButton(this))
    , m_pPopup(new QFrame(this, Qt::Popup)) {
    setObjectName(QStringLiteral("RibbonPanelSlot"));
    auto* pLayout = new QHBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    m_pPanel->setParent(this);
    pLayout->addWidget(m_pPanel);

    const QString name = FromAnsi(panel.GetName());
    m_pButton->setObjectName(QStringLiteral("RibbonCollapsedPanel"));
    m_pButton->setText(TwoLines(name) + QStringLiteral(" \u25BE"));
    m_pButton->setToolTip(name);
    m_pButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_pButton->setAutoRaise(true);
    m_pButton->setFocusPolicy(Qt::TabFocus);
    m_pButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_pButton->hide();
    pLayout->addWidget(m_pButton);
    connect(m_pButton, &QToolButton::clicked, this, &CRibbonPanelSlot::ShowPopup);

    m_pPopup->setObjectName(QStringLiteral("RibbonPanelPopup"));
    m_pPopup->setFrameShape(QFrame::StyledPanel);
    m_pPopup->setAutoFillBackground(true);
    auto* pPopupLayout = new QHBoxLayout(m_pPopup);
    pPopupLayout->setContentsMargins(2, 2, 2, 2);
    m_pPopup->installEventFilter(this);
}

int CRibbonPanelSlot::FullWidth() const {
    return m_pPanel->sizeHint().width();
}

int CRibbonPanelSlot::CollapsedWidth() const {
    return m_pButton->sizeHint().width();
}

void CRibbonPanelSlot::SetCollapsed(bool bCollapsed) {
    if (bCollapsed == m_bCollapsed) {
        return;
    }
    m_bCollapsed = bCollapsed;
    if (!bCollapsed) {
        m_pPopup->hide();
    }
    m_pPanel->setVisible(!bCollapsed);
    m_pButton->setVisible(bCollapsed);
}

void CRibbonPanelSlot::ShowPopup() {
    if (!m_bCollapsed) {
        return;
    }
    m_pPopup->layout()->addWidget(m_pPanel);
    m_pPanel->show();
    m_pPopup->adjustSize();
    QPoint position = m_pButton->mapToGlobal(QPoint(0, m_pButton->height()));
    // Kept on the button's screen, as far as it fits.
    if (const QScreen* pScreen = m_pButton->screen()) {
        const QRect rcScreen = pScreen->availableGeometry();
        position.setX(qBound(rcScreen.left(), position.x(),
                             qMax(rcScreen.left(), rcScreen.right() + 1 - m_pPopup->width())));
    }
    m_pPopup->move(position);
    m_pPopup->show();
}

void CRibbonPanelSlot::TakePanelBack() {
    if (m_pPanel->parentWidget() == this) {
        return;
    }
    m_pPanel->setParent(this);
    static_cast<QHBoxLayout*>(layout())->insertWidget(0, m_pPanel);
    m_pPanel->setVisible(!m_bCollapsed);
}

bool CRibbonPanelSlot::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched == m_pPopup && pEvent->type() == QEvent::Hide) {
        TakePanelBack();
    }
    return QWidget::eventFilter(pWatched, pEvent);
}
