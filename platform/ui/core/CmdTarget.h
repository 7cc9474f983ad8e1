// SPDX-License-Identifier: MIT
// Command targets: each keeps a map from command identifier to its handler and to the
// update handler that sets the command's check or radio mark. The frame routes a command
// to the visible view, then to itself, then to the application.
#pragma once

#include <functional>
#include <vector>

#include "platform/WinTypes.h"

// The state an update handler gives a command's element.
class CCmdUI {
public:
    explicit CCmdUI(UINT nID)
        : m_nID(nID) {}

    void SetCheck(int nCheck = 1) { m_nCheck = nCheck; }
    void SetRadio(bool bOn = true) {
        m_nCheck = bOn ? 1 : 0;
        m_bRadio = true;
    }
    void Enable(bool bOn = true) { m_bEnabled = bOn; }

    UINT m_nID;
    int m_nCheck = 0;
    bool m_bRadio = false;
    bool m_bEnabled = true;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler of nID; false when this target has none.
    virtual bool OnCmdMsg(UINT nID);
    // Runs the update handler of the command; false when this target has none.
    virtual bool OnUpdateCmdUI(CCmdUI* pCmdUI);
    bool HasCommandHandler(UINT nID) const;

protected:
    void OnCommand(UINT nID, std::function<void()> handler);
    void OnCommandRange(UINT nFirst, UINT nLast, std::function<void(UINT)> handler);
    void OnUpdateCommandUI(UINT nID, std::function<void(CCmdUI*)> handler);

private:
    struct CCommandEntry {
        UINT nFirst;
        UINT nLast;
        std::function<void(UINT)> handler;
    };
    struct CUpdateEntry {
        UINT nID;
        std::function<void(CCmdUI*)> handler;
    };
    std::vector<CCommandEntry> m_commands;
    std::vector<CUpdateEntry> m_updates;
};
