// SPDX-License-Identifier: MIT
#include "platform/ui/LinkCtrl.h"

#include "platform/shell/ShellOpen.h"
#include "platform/ui/Text.h"

CLinkCtrl::CLinkCtrl(const std::string& strText, QWidget* pParent)
    : QPushButton(FromAnsi(strText), pParent) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    // The text alone, underlined in the link colour, at the control's left edge.
    setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; text-align: left;"
                                 " color: palette(link); text-decoration: underline; }"));
    connect(this, &QPushButton::clicked, this, [this] { OpenLink(); });
}

void CLinkCtrl::SetTooltip(const std::string& strTooltip, bool bFullText) {
    setToolTip(bFullText ? FromAnsi(GetAddress()) : FromAnsi(strTooltip));
}

int CLinkCtrl::OpenLink() {
    const int nResult = ShellOpen(GetAddress());
    if (nResult <= 32 && m_onFailure) {
        m_onFailure(nResult);
    }
    return nResult;
}
