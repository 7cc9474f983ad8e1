// SPDX-License-Identifier: MIT
// Holds back the closing of one window while a command of that window runs a nested event
// loop (a busy wait, a modal dialog): a close asked for meanwhile, by its close button or a
// termination signal, is refused and asked again once the command has returned, so the
// window is never destroyed under its own running handler.
#pragma once

#include <functional>

#include <QObject>
#include <QPointer>

class QWidget;

class CCloseDeferral : public QObject {
    Q_OBJECT

public:
    // onDeferred runs at each refused close, so the command can end early.
    explicit CCloseDeferral(QWidget* pWindow, std::function<void()> onDeferred = {});
    ~CCloseDeferral() override;

    bool IsCloseDeferred() const { return m_bDeferred; }

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    QPointer<QWidget> m_pWindow;
    std::function<void()> m_onDeferred;
    bool m_bDeferred = false;
};
