// SPDX-License-Identifier: MIT
#include "platform/ui/LinkCtrl.h"

#include "platform/shell/ShellOpen.h"
#include "platform/ui/Text.h"

CLinkCtrl::CLinkCtrl(QWidget* pParent)
    : QPushButton(pParent)
    , m_opener(&ShellOpen) {
    setFlat(true);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &CLinkCtrl::OnClicked);
    ApplyLook();
}

void CLinkCtrl::SetWindowText(const std::string& strText) {
    m_strText = strText;
    // A button shows one line, without the line breaks around the text; an ampersand is shown
    // as itself, not as a mnemonic.
    setText(FromAnsi(strText).trimmed().replace(QLatin1Char('&'), QStringLiteral("&&")));
}

void CLinkCtrl::SetClickable(bool bClickable) {
    m_bClickable = bClickable;
    ApplyLook();
}

void CLinkCtrl::ApplyLook() {
    setCursor(m_bClickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setStyleSheet(m_bClickable ? QStringLiteral("QPushButton { border: none; color: #0000ee; "
                                                "text-decoration: underline; text-align: left; }")
                               : QStringLiteral("QPushButton { border: none; text-align: left; }"));
}

void CLinkCtrl::OnClicked() {
    if (m_bClickable && m_opener) {
        m_opener(m_strText);
    }
}
