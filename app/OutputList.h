// SPDX-License-Identifier: MIT
// The output log's list: read-only lines in the order they came, with a context menu whose
// commands ("&Copy", "&Clear", "&Hide") go to the list itself.
#pragma once

#include <memory>

#include <QListWidget>

#include "platform/ui/core/CmdTarget.h"

class QMenu;

class COutputList : public QListWidget, public CCmdTarget {
    Q_OBJECT

public:
    explicit COutputList(QWidget* pParent = nullptr);

    // The context menu (menu resource 182), its items sending their commands to the list.
    std::unique_ptr<QMenu> CreateContextMenu();

    // "&Copy" and "&Clear" only say what they would do: the log stays as it is.
    void OnEditCopy();
    void OnEditClear();
    // "&Hide": hides the pane that holds the list, through the main window.
    void OnViewOutput();

protected:
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
};
