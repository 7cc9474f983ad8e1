// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonCheckBox.h"

#include <QCheckBox>

#include "platform/ui/Text.h"

CRibbonCheckBox::CRibbonCheckBox(const CRibbonElementData& data, CCommandSink sink,
                                 QWidget* pParent)
    : CRibbonElement(data, std::move(sink))
    , m_pCheckBox(new QCheckBox(FromAnsi(data.pszText), pParent)) {
    m_pCheckBox->setToolTip(FromAnsi(data.pszText));
    QObject::connect(m_pCheckBox, &QCheckBox::clicked, m_pCheckBox,
                     [this] { SendCommand(GetID()); });
}

QWidget* CRibbonCheckBox::GetWidget() const {
    return m_pCheckBox;
}

bool CRibbonCheckBox::IsChecked() const {
    return m_pCheckBox->isChecked();
}

void CRibbonCheckBox::UpdateCmdUI(const CCmdUIQuery& query) {
    CCmdUI cmdUI(GetID());
    const bool bAnswered = Query(query, GetID(), cmdUI);
    m_pCheckBox->setChecked(bAnswered && cmdUI.m_nCheck != 0);
    m_pCheckBox->setEnabled(!bAnswered || cmdUI.m_bEnabled);
}
