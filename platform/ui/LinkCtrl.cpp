// SPDX-License-Identifier: MIT
#include "platform/ui/LinkCtrl.h"

#include "platform/shell/ShellOpen.h"
#include "platform/ui/Text.h"

CLinkCtrl::CLinkCtrl(QWidget* pParent)
    : CLinkCtrl(std::string(), pParent) {}

CLinkCtrl::CLinkCtrl(const std::string& strText, QWidget* pParent)
    : QPushButton(pParent)
    , m_opener(&ShellOpen) {
    setFlat(true);
    setAutoDefault(false);
    setFocusPolicy(Qt::TabFocus);
    SetWindowText(strText);
    ApplyLook();
    connect(this, &QPushButton::clicked, this, [this] {
        if (m_bClickable) {
            OpenLink();
        }
    });
}

void CLinkCtrl::SetWindowText(const std::string& strText) {
    m_strText = strText;
    // A button shows one line, without the line breaks around the text; an ampersand is shown
    // as itself, not as a mnemonic.
    setText(FromAnsi(strText).trimmed().replace(QLatin1Char('&'), QStringLiteral("&&")));
}

void CLinkCtrl::SetTooltip(const std::string& strTooltip, bool bFullText) {
    setToolTip(bFullText ? FromAnsi(GetAddress()) : FromAnsi(strTooltip));
}

void CLinkCtrl::SetClickable(bool bClickable) {
    m_bClickable = bClickable;
    ApplyLook();
}

void CLinkCtrl::ApplyLook() {
    // The text alone at the control's left edge; underlined in the link colour while it opens.
    setCursor(m_bClickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setStyleSheet(
        m_bClickable
            ? QStringLiteral("QPushButton { border: none; padding: 0; text-align: left;"
                             " color: palette(link); text-decoration: underline; }")
            : QStringLiteral("QPushButton { border: none; padding: 0; text-align: left; }"));
}

int CLinkCtrl::OpenLink() {
    const int nResult = m_opener ? m_opener(GetAddress()) : 0;
    if (nResult <= 32 && m_onFailure) {
        m_onFailure(nResult);
    }
    return nResult;
}
