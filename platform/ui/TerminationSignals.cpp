// SPDX-License-Identifier: MIT
#include "platform/ui/TerminationSignals.h"

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};
// How often, and how far apart, a close waits for a modal dialog to go: at most 2 seconds,
// then the main window closes all the same.
constexpr int kMaxModalRetries = 40;
constexpr int kModalRetryMs = 50;

// The socket pair the handler writes to; -1 while no object is installed. The handler may
// only do async-signal-safe work: one write of one byte.
volatile std::sig_atomic_t g_nWriteFd = -1;
int g_nReadFd = -1;

void OnTerminationSignal(int nSignal) {
    const int nSavedErrno = errno;
    const int nFd = g_nWriteFd;
    if (nFd >= 0) {
        const char byte = char(nSignal);
        // A full socket already holds a request; the byte may be dropped.
        [[maybe_unused]] const ssize_t nWritten = ::write(nFd, &byte, 1);
    }
    errno = nSavedErrno;
}

// bKeepIgnored leaves a signal the program was started with ignored (nohup's SIGHUP, a
// shell's background SIGINT) ignored, as a program should.
void SetDisposition(void (*pfnHandler)(int), bool bKeepIgnored) {
    struct sigaction action = {};
    action.sa_handler = pfnHandler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int nSignal : kSignals) {
        struct sigaction previous = {};
        if (bKeepIgnored && sigaction(nSignal, nullptr, &previous) == 0 &&
            previous.sa_handler == SIG_IGN) {
            continue;
        }
        sigaction(nSignal, &action, nullptr);
    }
}

bool MakeNonBlocking(int nFd) {
    const int nFlags = fcntl(nFd, F_GETFL);
    return nFlags >= 0 && fcntl(nFd, F_SETFL, nFlags | O_NONBLOCK) == 0 &&
           fcntl(nFd, F_SETFD, FD_CLOEXEC) == 0;
}

} // namespace

CTerminationSignals::CTerminationSignals(QObject* pParent)
    : QObject(pParent) {
    if (g_nWriteFd >= 0) {
        return;
    }
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0) {
        return;
    }
    if (!MakeNonBlocking(fds[0]) || !MakeNonBlocking(fds[1])) {
        ::close(fds[0]);
        ::close(fds[1]);
        return;
    }
    g_nReadFd = fds[0];
    g_nWriteFd = fds[1];
    m_pNotifier = new QSocketNotifier(g_nReadFd, QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &CTerminationSignals::OnSignalByte);
    SetDisposition(&OnTerminationSignal, true);
    connect(this, &CTerminationSignals::TerminationRequested, this,
            &CTerminationSignals::CloseMainWindow);
}

CTerminationSignals::~CTerminationSignals() {
    if (m_pNotifier == nullptr) {
        return;
    }
    // Ignore first, then close: a handler must never write to a number that a later file
    // (the settings store's, say) could be given.
    SetDisposition(SIG_IGN, false);
    const int nWriteFd = g_nWriteFd;
    g_nWriteFd = -1;
    delete m_pNotifier;
    m_pNotifier = nullptr;
    ::close(nWriteFd);
    ::close(g_nReadFd);
    g_nReadFd = -1;
}

void CTerminationSignals::CloseOnTermination(QWidget* pMainWindow) {
    m_pMainWindow = pMainWindow;
    if (auto* pApp = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(pApp, &QGuiApplication::commitDataRequest, this,
                &CTerminationSignals::CloseMainWindow, Qt::UniqueConnection);
    }
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            &CTerminationSignals::CloseMainWindow, Qt::UniqueConnection);
    if (m_bClosing) {
        // A signal came before there was a window to close.
        QMetaObject::invokeMethod(this, &CTerminationSignals::CloseMainWindow,
                                  Qt::QueuedConnection);
    }
}

void CTerminationSignals::OnSignalByte() {
    std::array<char, 64> bytes{};
    ssize_t nRead = 0;
    int nFirst = 0;
    while ((nRead = ::read(g_nReadFd, bytes.data(), bytes.size())) > 0) {
        if (nFirst == 0) {
            nFirst = static_cast<unsigned char>(bytes[0]);
        }
    }
    if (nFirst == 0 || m_bClosing) {
        return;
    }
    m_bClosing = true;
    emit TerminationRequested(nFirst);
}

void CTerminationSignals::CloseMainWindow() {
    // A modal dialog runs a loop of its own above the main one: close it first and come back
    // once its loop has returned, so the frame is not destroyed under a running dialog.
    if (QWidget* pModal = QApplication::activeModalWidget()) {
        if (m_nModalRetries < kMaxModalRetries) {
            ++m_nModalRetries;
            pModal->close();
            QTimer::singleShot(kModalRetryMs, this, &CTerminationSignals::CloseMainWindow);
            return;
        }
    }
    if (m_pMainWindow == nullptr || !m_pMainWindow->isVisible()) {
        // Nothing to close; a signal before the window was shown still ends the program.
        // Queued, so that it also ends an event loop that has not started yet.
        if (m_bClosing) {
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
        return;
    }
    m_pMainWindow->close();
}
