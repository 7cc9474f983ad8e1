// SPDX-License-Identifier: MIT
// A docking pane of the main window with its control identifier. Before it closes (its
// caption's close button, or close()) it asks the owner whether it may; a pane that may
// not stays where it is.
#pragma once

#include <functional>

#include <QDockWidget>

#include "platform/WinTypes.h"

class CDockablePane : public QDockWidget {
    Q_OBJECT

public:
    // Answers whether the pane may close.
    using CCloseQuery = std::function<bool(CDockablePane* pPane)>;

    // objectName keeps the pane's place in the saved docking layout.
    CDockablePane(UINT nID, const QString& caption, const QString& objectName,
                  QWidget* pParent = nullptr);

    UINT GetDlgCtrlID() const { return m_nID; }
    void SetCloseQuery(CCloseQuery query) { m_closeQuery = std::move(query); }

protected:
    void closeEvent(QCloseEvent* pEvent) override;

private:
    UINT m_nID;
    CCloseQuery m_closeQuery;
};
