// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonButton.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolButton>

#include "platform/ui/RibbonImages.h"
#include "platform/ui/Text.h"

namespace {

constexpr int kLargeIconSize = 32;
constexpr int kSmallIconSize = 16;
// Large buttons break a longer text over two lines, as a ribbon's large buttons do.
constexpr qsizetype kOneLineLength = 12;

QString LargeButtonText(const QString& text) {
    if (text.size() <= kOneLineLength) {
        return text;
    }
    qsizetype nBest = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u' ' &&
            (nBest < 0 || qAbs(i - text.size() / 2) < qAbs(nBest - text.size() / 2))) {
            nBest = i;
        }
    }
    if (nBest < 0) {
        return text;
    }
    return text.left(nBest) + u'\n' + text.mid(nBest + 1);
}

// A menu item text keeps its '&' mnemonic marker; the tooltip shows the text without it.
QString WithoutMnemonic(QString text) {
    return text.remove(u'&');
}

} // namespace

CRibbonButton::CRibbonButton(const CRibbonElementData& data, CCommandSink sink, QWidget* pParent)
    : CRibbonElement(data, std::move(sink))
    , m_pButton(new QToolButton(pParent)) {
    const QString text = FromAnsi(data.pszText);
    const QIcon icon = RibbonIcon(data.image);
    m_pButton->setAutoRaise(true);
    m_pButton->setToolTip(WithoutMnemonic(text));
    m_pButton->setIcon(icon);
    if (data.kind == ERibbonElementKind::LargeButton ||
        data.kind == ERibbonElementKind::SplitButton) {
        m_pButton->setText(LargeButtonText(text));
        m_pButton->setIconSize(QSize(kLargeIconSize, kLargeIconSize));
        m_pButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        m_pButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    } else {
        m_pButton->setText(text);
        m_pButton->setIconSize(QSize(kSmallIconSize, kSmallIconSize));
        m_pButton->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly
                                                    : Qt::ToolButtonTextBesideIcon);
    }
    if (!data.items.empty() || data.kind == ERibbonElementKind::MenuButton) {
        m_pMenu = new QMenu(m_pButton);
        for (const CRibbonItemData& item : data.items) {
            QAction* pAction = m_pMenu->addAction(FromAnsi(item.pszText));
            QObject::connect(pAction, &QAction::triggered, m_pButton,
                             [this, nID = item.nID] { SendCommand(nID); });
            m_items.push_back({item.nID, pAction});
        }
        m_pButton->setMenu(m_pMenu);
        m_pButton->setPopupMode(data.kind == ERibbonElementKind::SplitButton
                                    ? QToolButton::MenuButtonPopup
                                    : QToolButton::InstantPopup);
    }
    if (data.nID != 0) {
        QObject::connect(m_pButton, &QToolButton::clicked, m_pButton,
                         [this] { SendCommand(GetID()); });
    }
}

QWidget* CRibbonButton::GetWidget() const {
    return m_pButton;
}

bool CRibbonButton::HasItem(UINT nID) const {
    for (const CItem& item : m_items) {
        if (item.nID == nID) {
            return true;
        }
    }
    return false;
}

void CRibbonButton::UpdateCmdUI(const CCmdUIQuery& query) {
    CCmdUI cmdUI(GetID());
    if (GetID() != 0 && Query(query, GetID(), cmdUI)) {
        m_pButton->setEnabled(cmdUI.m_bEnabled);
        m_pButton->setCheckable(cmdUI.m_nCheck != 0);
        m_pButton->setChecked(cmdUI.m_nCheck != 0);
    }
    for (const CItem& item : m_items) {
        const bool bAnswered = Query(query, item.nID, cmdUI);
        item.pAction->setEnabled(!bAnswered || cmdUI.m_bEnabled);
        if (bAnswered && cmdUI.m_bRadio && item.pAction->actionGroup() == nullptr) {
            // Items with a radio mark form one group, so the menu draws them as radio items;
            // none need be marked.
            if (m_pRadioGroup == nullptr) {
                m_pRadioGroup = new QActionGroup(m_pMenu);
                m_pRadioGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
            }
            m_pRadioGroup->addAction(item.pAction);
        }
        item.pAction->setCheckable(bAnswered && (cmdUI.m_nCheck != 0 || cmdUI.m_bRadio));
        item.pAction->setChecked(bAnswered && cmdUI.m_nCheck != 0);
    }
}
