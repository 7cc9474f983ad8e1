// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonLabel.h"

#include <QLabel>

#include "platform/ui/Text.h"

CRibbonLabel::CRibbonLabel(const CRibbonElementData& data, QWidget* pParent)
    : CRibbonElement(data, {})
    , m_pLabel(new QLabel(FromAnsi(data.pszText), pParent)) {
    m_pLabel->setToolTip(FromAnsi(data.pszText));
}

QWidget* CRibbonLabel::GetWidget() const {
    return m_pLabel;
}
