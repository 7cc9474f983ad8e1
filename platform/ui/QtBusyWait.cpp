// SPDX-License-Identifier: MIT
#include "platform/ui/QtBusyWait.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

namespace {

// How often the nested loop asks whether the work has ended.
constexpr int kPollMilliseconds = 10;

} // namespace

void CQtBusyWait::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CQtBusyWait::EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}

bool CQtBusyWait::Wait(const CWaitStep& waitStep, std::chrono::milliseconds limit) {
    if (waitStep(std::chrono::milliseconds(0))) {
        return true;
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    bool bEnded = false;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(kPollMilliseconds);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        bEnded = waitStep(std::chrono::milliseconds(0));
        if (bEnded || std::chrono::steady_clock::now() >= deadline) {
            loop.quit();
        }
    });
    poll.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return bEnded;
}
