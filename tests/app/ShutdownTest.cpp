// SPDX-License-Identifier: MIT
// Ending the program never loses settings: the termination signals become one close of the
// main window, repeats are dropped while it closes, and the real program, sent a signal
// while it runs, ends normally with all ten settings strings in its store.
#include <csignal>

#include <signal.h>

#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "fractals/FractalCatalog.h"
#include "platform/registry/StoreLocation.h"
#include "platform/ui/TerminationSignals.h"
#include "settings/RegistryFunctions.h"

namespace {

// Generous: only a hung program comes near it.
constexpr int kDeadlineMs = 60000;
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

} // namespace

class CShutdownTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void signalClosesTheWindowOnce_data();
    void signalClosesTheWindowOnce();
    void signalBeforeTheWindowClosesItOnceHandedOver();
    void signalsAreIgnoredOnceTheHandlingIsGone();
    void signalIgnoredAtStartStaysIgnored();
    void runningProgramKeepsEverySettingOnSignal_data();
    void runningProgramKeepsEverySettingOnSignal();

private:
    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
};

void CShutdownTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    // Each test starts as a program does: signals at their default, none ignored yet.
    for (int nSignal : kSignals) {
        signal(nSignal, SIG_DFL);
    }
}

void CShutdownTest::cleanup() {
    m_pEnvironment.reset();
}

void CShutdownTest::signalClosesTheWindowOnce_data() {
    QTest::addColumn<int>("nSignal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void CShutdownTest::signalClosesTheWindowOnce() {
    QFETCH(int, nSignal);
    CTerminationSignals termination;
    QVERIFY(termination.IsInstalled());
    QWidget window;
    int nCloses = 0;
    connect(&termination, &CTerminationSignals::TerminationRequested, [&nCloses] { ++nCloses; });
    QSignalSpy spy(&termination, &CTerminationSignals::TerminationRequested);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    termination.CloseOnTermination(&window);

    QCOMPARE(raise(nSignal), 0);
    QVERIFY(spy.wait(kDeadlineMs));
    QCOMPARE(spy.takeFirst().at(0).toInt(), nSignal);
    QVERIFY(!window.isVisible());

    // Repeats while closing are read and dropped; the process lives on.
    window.show();
    QCOMPARE(raise(SIGTERM), 0);
    QCOMPARE(raise(nSignal), 0);
    // The handler has written its bytes by the time raise returns: one pass of the loop
    // reads them.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(spy.size(), 0);
    QCOMPARE(nCloses, 1);
    QVERIFY(window.isVisible());
}

void CShutdownTest::signalBeforeTheWindowClosesItOnceHandedOver() {
    CTerminationSignals termination;
    QSignalSpy spy(&termination, &CTerminationSignals::TerminationRequested);
    QCOMPARE(raise(SIGTERM), 0);
    QVERIFY(spy.wait(kDeadlineMs));
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    termination.CloseOnTermination(&window);
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), kDeadlineMs);
    QCOMPARE(spy.size(), 1);
}

void CShutdownTest::signalsAreIgnoredOnceTheHandlingIsGone() {
    { CTerminationSignals termination; }
    // A late signal while the settings are written must not end the process.
    QCOMPARE(raise(SIGTERM), 0);
    QCOMPARE(raise(SIGHUP), 0);
    CTerminationSignals again;
    QVERIFY(again.IsInstalled());
}

void CShutdownTest::signalIgnoredAtStartStaysIgnored() {
    signal(SIGHUP, SIG_IGN);
    CTerminationSignals termination;
    QSignalSpy spy(&termination, &CTerminationSignals::TerminationRequested);
    QCOMPARE(raise(SIGHUP), 0);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(spy.size(), 0);
    QCOMPARE(raise(SIGTERM), 0);
    QVERIFY(spy.wait(kDeadlineMs));
    QCOMPARE(spy.takeFirst().at(0).toInt(), SIGTERM);
}

void CShutdownTest::runningProgramKeepsEverySettingOnSignal_data() {
    QTest::addColumn<int>("nSignal");
    QTest::addColumn<int>("nRepeats");
    QTest::newRow("SIGTERM") << SIGTERM << 1;
    QTest::newRow("SIGTERM twice") << SIGTERM << 2;
    QTest::newRow("SIGINT") << SIGINT << 1;
    QTest::newRow("SIGHUP") << SIGHUP << 1;
}

void CShutdownTest::runningProgramKeepsEverySettingOnSignal() {
    QFETCH(int, nSignal);
    QFETCH(int, nRepeats);
    const QString strExe = QStringLiteral(NIMBREL_EXE);
    QVERIFY2(!strExe.isEmpty(), "the nimbrel program is not built");

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_pEnvironment->settings.Path());
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The signals this test process ignores by now would be ignored by the child too.
    process.setChildProcessModifier([] {
        for (int nReset : kSignals) {
            signal(nReset, SIG_DFL);
        }
    });
    process.start(strExe, {});
    QVERIFY(process.waitForStarted(kDeadlineMs));

    // The store is made at start-up, before the window: once it is there the program is
    // well on its way, and a signal from then on is handled whenever it arrives.
    const QString strStore = QString::fromStdString(RegistryStoreFile());
    QDeadlineTimer deadline(kDeadlineMs);
    while (!QFileInfo::exists(strStore) && process.state() == QProcess::Running &&
           !deadline.hasExpired()) {
        process.waitForFinished(20);
    }
    QVERIFY(QFileInfo::exists(strStore));
    QCOMPARE(process.state(), QProcess::Running);

    for (int i = 0; i < nRepeats; ++i) {
        QCOMPARE(kill(pid_t(process.processId()), nSignal), 0);
    }
    QVERIFY(process.waitForFinished(kDeadlineMs));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);

    for (const CFractalInfo& info : FractalCatalog()) {
        const std::string strName = info.pfnCreate()->GetSettingsName();
        std::string strText;
        QVERIFY2(ReadRegistryString(kParameterKey, strName, strText) == 0, strName.c_str());
        QVERIFY2(!strText.empty(), strName.c_str());
    }
}

QTEST_MAIN(CShutdownTest)
#include "ShutdownTest.moc"
