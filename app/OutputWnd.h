// SPDX-License-Identifier: MIT
// The docking "Output" pane: a one-tab tab control ("Nimbrel 2.0", tabs at the bottom)
// holding the output list, the program's only log. Lines live in memory for the run.
#pragma once

#include <string>

#include <QTabWidget>

#include "app/OutputList.h"
#include "platform/ui/DockablePane.h"

class COutputWnd : public CDockablePane {
    Q_OBJECT

public:
    explicit COutputWnd(QWidget* pParent = nullptr);

    // Appends the message with the current local time and scrolls the newest line into view.
    void AddMessage(const std::string& strMessage);
    // Gives the list the application's regular font again (after a system setting change).
    void UpdateFonts();

    int GetLineCount() const;
    // Windows-1252; empty outside the range.
    std::string GetLine(int nIndex) const;
    COutputList& GetList() { return m_wndOutputList; }

private:
    QTabWidget m_wndTabs;
    COutputList m_wndOutputList;
};
