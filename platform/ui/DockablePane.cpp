// SPDX-License-Identifier: MIT
#include "platform/ui/DockablePane.h"

#include <QCloseEvent>

CDockablePane::CDockablePane(UINT nID, const QString& caption, const QString& objectName,
                             QWidget* pParent)
    : QDockWidget(caption, pParent)
    , m_nID(nID) {
    setObjectName(objectName);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
}

void CDockablePane::closeEvent(QCloseEvent* pEvent) {
    if (m_closeQuery && !m_closeQuery(this)) {
        pEvent->ignore();
        return;
    }
    QDockWidget::closeEvent(pEvent);
}
