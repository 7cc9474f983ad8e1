// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonElement.h"

#include <utility>

#include <QWidget>

CRibbonElement::CRibbonElement(const CRibbonElementData& data, CCommandSink sink)
    : m_data(data)
    , m_sink(std::move(sink)) {}

void CRibbonElement::UpdateCmdUI(const CCmdUIQuery& query) {
    CCmdUI cmdUI(GetID());
    if (GetID() != 0 && Query(query, GetID(), cmdUI)) {
        GetWidget()->setEnabled(cmdUI.m_bEnabled);
    }
}

void CRibbonElement::SendCommand(UINT nID) const {
    if (nID != 0 && m_sink) {
        m_sink(nID);
    }
}

bool CRibbonElement::Query(const CCmdUIQuery& query, UINT nID, CCmdUI& cmdUI) {
    cmdUI = CCmdUI(nID);
    return query && query(&cmdUI);
}
