// SPDX-License-Identifier: MIT
#include "app/OutputList.h"

#include <QContextMenuEvent>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>

#include "platform/ui/Text.h"
#include "platform/ui/core/MessageBox.h"
#include "resources/Menus.h"
#include "resources/Resource.h"

namespace {

template <class Widget> Widget* FindAncestor(QWidget* pWidget) {
    for (QWidget* p = pWidget != nullptr ? pWidget->parentWidget() : nullptr; p != nullptr;
         p = p->parentWidget()) {
        if (auto* pFound = qobject_cast<Widget*>(p)) {
            return pFound;
        }
    }
    return nullptr;
}

} // namespace

COutputList::COutputList(QWidget* pParent)
    : QListWidget(pParent) {
    setObjectName(QStringLiteral("OutputList"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setSortingEnabled(false);
    OnCommand(ID_EDIT_COPY, [this] { OnEditCopy(); });
    OnCommand(ID_EDIT_CLEAR, [this] { OnEditClear(); });
    OnCommand(ID_OUTPUT_PANE, [this] { OnViewOutput(); });
}

std::unique_ptr<QMenu> COutputList::CreateContextMenu() {
    auto pMenu = std::make_unique<QMenu>(this);
    for (const CMenuItemData& item : OutputPopupMenu()) {
        if (item.nID == 0) {
            pMenu->addSeparator();
            continue;
        }
        QAction* pAction = pMenu->addAction(FromAnsi(item.pszText));
        connect(pAction, &QAction::triggered, this, [this, nID = item.nID] { OnCmdMsg(nID); });
    }
    return pMenu;
}

void COutputList::OnEditCopy() {
    AfxMessageBox("Copy output");
}

void COutputList::OnEditClear() {
    AfxMessageBox("Clear output");
}

void COutputList::OnViewOutput() {
    auto* pPane = FindAncestor<QDockWidget>(this);
    auto* pFrame = FindAncestor<QMainWindow>(pPane);
    if (pPane != nullptr && pFrame != nullptr) {
        pFrame->setFocus();
        pPane->hide();
    }
}

void COutputList::contextMenuEvent(QContextMenuEvent* pEvent) {
    const std::unique_ptr<QMenu> pMenu = CreateContextMenu();
    pMenu->exec(pEvent->globalPos());
    setFocus();
}
