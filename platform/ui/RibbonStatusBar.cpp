// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonStatusBar.h"

#include <QFrame>
#include <QLabel>

#include "platform/ui/Text.h"

CRibbonStatusBar::CRibbonStatusBar(QWidget* pParent)
    : QStatusBar(pParent) {
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(true);
}

void CRibbonStatusBar::AddLink(UINT nID, const std::string& strText, const std::string& strAddress,
                               const std::string& strLabel) {
    auto* pLabel = new QLabel(this);
    pLabel->setTextFormat(Qt::RichText);
    pLabel->setText(
        QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(FromAnsi(strAddress).toHtmlEscaped(), FromAnsi(strText).toHtmlEscaped()));
    pLabel->setToolTip(FromAnsi(strLabel));
    pLabel->setAccessibleName(FromAnsi(strLabel));
    // The link opens through the frame's command, not by the label itself.
    pLabel->setOpenExternalLinks(false);
    connect(pLabel, &QLabel::linkActivated, this, [this, nID] { emit Command(nID); });
    addWidget(pLabel);
    m_elements.push_back({nID, pLabel, strText, strAddress, strLabel});
}

void CRibbonStatusBar::AddSeparator() {
    auto* pLine = new QFrame(this);
    pLine->setFrameShape(QFrame::VLine);
    pLine->setFrameShadow(QFrame::Sunken);
    addWidget(pLine);
}

void CRibbonStatusBar::AddExtendedPane(UINT nID, const std::string& strText,
                                       const std::string& strSample, const std::string& strLabel) {
    auto* pLabel = new QLabel(FromAnsi(strText), this);
    pLabel->setAlignment(Qt::AlignCenter);
    pLabel->setMinimumWidth(pLabel->fontMetrics().horizontalAdvance(FromAnsi(strSample)));
    pLabel->setToolTip(FromAnsi(strLabel));
    pLabel->setAccessibleName(FromAnsi(strLabel));
    addPermanentWidget(pLabel);
    m_elements.push_back({nID, pLabel, strText, {}, strLabel});
}

QLabel* CRibbonStatusBar::FindElement(UINT nID) const {
    const CElement* pElement = Find(nID);
    return pElement != nullptr ? pElement->pLabel : nullptr;
}

std::optional<std::string> CRibbonStatusBar::FindLinkAddress(UINT nID) const {
    const CElement* pElement = Find(nID);
    if (pElement == nullptr || pElement->strAddress.empty()) {
        return std::nullopt;
    }
    return pElement->strAddress;
}

std::string CRibbonStatusBar::GetElementText(UINT nID) const {
    const CElement* pElement = Find(nID);
    return pElement != nullptr ? pElement->strText : std::string();
}

std::string CRibbonStatusBar::GetElementLabel(UINT nID) const {
    const CElement* pElement = Find(nID);
    return pElement != nullptr ? pElement->strLabel : std::string();
}

const CRibbonStatusBar::CElement* CRibbonStatusBar::Find(UINT nID) const {
    for (const CElement& element : m_elements) {
        if (element.nID == nID) {
            return &element;
        }
    }
    return nullptr;
}
