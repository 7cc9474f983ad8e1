// SPDX-License-Identifier: MIT
// An application-wide event filter sees the close event whether it comes from the window
// system or from close() itself; the close is asked again as a queued call, which runs only
// when the event loop has returned from the command.
#include "platform/ui/CloseDeferral.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>

CCloseDeferral::CCloseDeferral(QWidget* pWindow, std::function<void()> onDeferred)
    : m_pWindow(pWindow)
    , m_onDeferred(std::move(onDeferred)) {
    if (QCoreApplication* pApp = QCoreApplication::instance()) {
        pApp->installEventFilter(this);
    }
}

CCloseDeferral::~CCloseDeferral() {
    if (QCoreApplication* pApp = QCoreApplication::instance()) {
        pApp->removeEventFilter(this);
    }
    if (m_bDeferred && m_pWindow != nullptr) {
        QMetaObject::invokeMethod(m_pWindow, &QWidget::close, Qt::QueuedConnection);
    }
}

bool CCloseDeferral::eventFilter(QObject* pObject, QEvent* pEvent) {
    if (pEvent->type() == QEvent::Close && m_pWindow != nullptr && pObject == m_pWindow) {
        pEvent->ignore();
        m_bDeferred = true;
        if (m_onDeferred) {
            m_onDeferred();
        }
        return true;
    }
    return QObject::eventFilter(pObject, pEvent);
}
