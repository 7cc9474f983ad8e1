// SPDX-License-Identifier: MIT
// Turns the requests to end the program (SIGTERM, SIGINT, SIGHUP, and the desktop session
// ending) into one close of the main window, the same close as its close button, so that
// every view is destroyed and keeps its settings.
#pragma once

#include <QObject>
#include <QPointer>

class QSocketNotifier;
class QWidget;

class CTerminationSignals : public QObject {
    Q_OBJECT

public:
    // Installs the signal handlers, except for a signal the program was started with
    // ignored, which stays ignored; only one object may do so at a time (IsInstalled tells).
    // Needs the application object.
    explicit CTerminationSignals(QObject* pParent = nullptr);
    // From here on the three signals are ignored: the program is ending anyway, and a late
    // one must not kill it while the settings are being written.
    ~CTerminationSignals() override;

    bool IsInstalled() const { return m_pNotifier != nullptr; }
    // Closes this window on the first request: a signal, the session's request to save its
    // data, or the application quitting while the window is still open.
    void CloseOnTermination(QWidget* pMainWindow);

signals:
    // Once, for the first signal; later ones are read and dropped.
    void TerminationRequested(int nSignal);

private:
    void OnSignalByte();
    void CloseMainWindow();

    QSocketNotifier* m_pNotifier = nullptr;
    QPointer<QWidget> m_pMainWindow;
    bool m_bClosing = false;
    int m_nModalRetries = 0;
};
