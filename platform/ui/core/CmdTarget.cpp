// SPDX-License-Identifier: MIT
#include "platform/ui/core/CmdTarget.h"

bool CCmdTarget::OnCmdMsg(UINT nID) {
    for (const CCommandEntry& entry : m_commands) {
        if (nID >= entry.nFirst && nID <= entry.nLast) {
            entry.handler(nID);
            return true;
        }
    }
    return false;
}

bool CCmdTarget::OnUpdateCmdUI(CCmdUI* pCmdUI) {
    for (const CUpdateEntry& entry : m_updates) {
        if (entry.nID == pCmdUI->m_nID) {
            entry.handler(pCmdUI);
            return true;
        }
    }
    return false;
}

bool CCmdTarget::HasCommandHandler(UINT nID) const {
    for (const CCommandEntry& entry : m_commands) {
        if (nID >= entry.nFirst && nID <= entry.nLast) {
            return true;
        }
    }
    return false;
}

void CCmdTarget::OnCommand(UINT nID, std::function<void()> handler) {
    m_commands.push_back({nID, nID, [handler = std::move(handler)](UINT) { handler(); }});
}

void CCmdTarget::OnCommandRange(UINT nFirst, UINT nLast, std::function<void(UINT)> handler) {
    m_commands.push_back({nFirst, nLast, std::move(handler)});
}

void CCmdTarget::OnUpdateCommandUI(UINT nID, std::function<void(CCmdUI*)> handler) {
    m_updates.push_back({nID, std::move(handler)});
}
