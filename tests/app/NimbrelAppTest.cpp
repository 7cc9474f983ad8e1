// SPDX-License-Identifier: MIT
// The application's life: settings and window placement kept from one run to the next, the
// shell-error report, opening the maker's site, Exit, a damaged store, and the program
// refusing to start without a display.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSlider>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "app/NimbrelApp.h"
#include "platform/registry/StoreLocation.h"
#include "platform/ui/RibbonSlider.h"
#include "settings/FrameworkProfile.h"
#include "settings/RegistryFunctions.h"
#include "views/NimbrelBaseView.h"

class CNimbrelAppTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void settingsAreWrittenAtExitAndLoadedAtTheNextStart();
    void placementAndDockingAreKeptBetweenRuns();
    void floatingPanesComeBackWhereTheyCanBeReached_data();
    void floatingPanesComeBackWhereTheyCanBeReached();
    void exitClosesTheFrameAndDestroysTheViews();
    void shellErrorReport_data();
    void shellErrorReport();
    void missingOpenerIsReported();
    void statusLinkOpensTheMakersSite();
    void damagedStoreIsReportedOnce();
    void withoutDisplayTheProgramEndsWithOneLine();

private:
    CMainFrame* Start();
    std::string StoredSettings(const char* pszName) const;

    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
    std::unique_ptr<CNimbrelApp> m_pApp;
    QByteArray m_path;
};

void CNimbrelAppTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    m_path = qgetenv("PATH");
}

void CNimbrelAppTest::cleanup() {
    m_pApp.reset();
    m_pEnvironment.reset();
    qputenv("PATH", m_path);
}

CMainFrame* CNimbrelAppTest::Start() {
    m_pApp = std::make_unique<CNimbrelApp>();
    if (!m_pApp->InitInstance()) {
        return nullptr;
    }
    return m_pApp->GetMainFrame();
}

std::string CNimbrelAppTest::StoredSettings(const char* pszName) const {
    std::string strText;
    return ReadRegistryString(kParameterKey, pszName, strText) == 0 ? strText : "<missing>";
}

void CNimbrelAppTest::settingsAreWrittenAtExitAndLoadedAtTheNextStart() {
    CMainFrame* pFrame = Start();
    QVERIFY(pFrame != nullptr);
    auto* pSlider =
        dynamic_cast<CRibbonSlider*>(pFrame->GetRibbon().FindByID(ID_VON_KOCH_SLIDER_RECURSION));
    QVERIFY(pSlider != nullptr);
    pSlider->GetSlider()->setValue(8);
    pFrame->RouteCommand(ID_VON_KOCH_FRAME_HEXAGON);
    // Nothing is stored while the program runs.
    QCOMPARE(StoredSettings("VonKochView"), std::string("<missing>"));

    m_pApp.reset();
    QCOMPARE(StoredSettings("VonKochView"),
             std::string("8,1,1,348,0,6,65535,14803425,15780518,2\n"));
    for (int i = 0; i < kFractalCount; ++i) {
        const std::unique_ptr<CNimbrelBaseView> pView = CreateFractalView(i);
        QVERIFY2(StoredSettings(pView->GetSettingsName()) != "<missing>", pView->GetSettingsName());
    }

    pFrame = Start();
    QVERIFY(pFrame != nullptr);
    QCOMPARE(pFrame->GetView(0)->m_nLevel, 8);
    QCOMPARE(pFrame->GetView(0)->m_nFrame, 6);
    pSlider =
        dynamic_cast<CRibbonSlider*>(pFrame->GetRibbon().FindByID(ID_VON_KOCH_SLIDER_RECURSION));
    QVERIFY(pSlider != nullptr);
    QCOMPARE(pSlider->GetPos(), 8);
}

void CNimbrelAppTest::placementAndDockingAreKeptBetweenRuns() {
    CMainFrame* pFrame = Start();
    QVERIFY(pFrame != nullptr);
    pFrame->resize(720, 530);
    pFrame->GetOutputWnd().hide();
    QVERIFY(pFrame->close());
    QVERIFY(GetProfileBinary("Workspace", "WindowGeometry").has_value());
    QVERIFY(GetProfileBinary("Workspace", "DockingState").has_value());
    m_pApp.reset();

    pFrame = Start();
    QVERIFY(pFrame != nullptr);
    QCOMPARE(pFrame->size(), QSize(720, 530));
    QVERIFY(!pFrame->GetOutputWnd().isVisible());
    QVERIFY(pFrame->GetSelectionPane().isVisible());
}

void CNimbrelAppTest::floatingPanesComeBackWhereTheyCanBeReached_data() {
    QTest::addColumn<bool>("selectionPane");
    QTest::addColumn<QPoint>("position");
    // Off every screen, the pane is docked back or moved onto a screen.
    QTest::addColumn<bool>("staysFloating");
    QTest::newRow("output pane on the screen") << false << QPoint(60, 80) << true;
    QTest::newRow("output pane off every screen") << false << QPoint(20000, 15000) << false;
    QTest::newRow("output pane above the screens") << false << QPoint(50, -5000) << false;
    QTest::newRow("selection pane on the screen") << true << QPoint(100, 40) << true;
    QTest::newRow("selection pane off every screen") << true << QPoint(-9000, 300) << false;
}

void CNimbrelAppTest::floatingPanesComeBackWhereTheyCanBeReached() {
    QFETCH(bool, selectionPane);
    QFETCH(QPoint, position);
    QFETCH(bool, staysFloating);
    CMainFrame* pFrame = Start();
    QVERIFY(pFrame != nullptr);
    auto pane = [selectionPane](CMainFrame* pOwner) -> CDockablePane& {
        return selectionPane ? static_cast<CDockablePane&>(pOwner->GetSelectionPane())
                             : static_cast<CDockablePane&>(pOwner->GetOutputWnd());
    };
    const Qt::DockWidgetArea home = pFrame->dockWidgetArea(&pane(pFrame));
    pane(pFrame).setFloating(true);
    pane(pFrame).setGeometry(QRect(position, QSize(240, 160)));
    QVERIFY(pFrame->close());
    m_pApp.reset();

    pFrame = Start();
    QVERIFY(pFrame != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(pFrame));
    CDockablePane& restored = pane(pFrame);
    QVERIFY(restored.isVisible());
    if (staysFloating) {
        QVERIFY(restored.isFloating());
    }
    if (restored.isFloating()) {
        // On top of the main window (its transient), with its caption on a screen.
        QVERIFY(restored.windowHandle() != nullptr);
        QCOMPARE(restored.windowHandle()->transientParent(), pFrame->windowHandle());
        const QRect rcCaption(restored.geometry().topLeft(), QSize(restored.width(), 20));
        QVERIFY(restored.screen()->availableGeometry().contains(rcCaption));
    } else {
        QCOMPARE(pFrame->dockWidgetArea(&restored), home);
    }
}

void CNimbrelAppTest::exitClosesTheFrameAndDestroysTheViews() {
    CMainFrame* pFrame = Start();
    QVERIFY(pFrame != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(pFrame));
    QSignalSpy destroyed(pFrame, &QObject::destroyed);
    pFrame->RouteCommand(ID_EXIT_APP);
    QVERIFY(!pFrame->isVisible());
    QTRY_COMPARE(destroyed.count(), 1);
    QVERIFY(m_pApp->GetMainFrame() == nullptr);
    QVERIFY(AfxGetMainFrame() == nullptr);
    QCOMPARE(StoredSettings("VonKochView"),
             std::string("5,1,1,348,0,2,65535,14803425,15780518,2\n"));
}

void CNimbrelAppTest::shellErrorReport_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    const struct {
        int nCode;
        const char* pszText;
    } rows[] = {
        {0, "The operating system is out of memory or resources"},
        {2, "The specified file was not found"},
        {3, "The specified path was not found"},
        {5, "The operating system denied access to the specified file"},
        {8, "There was not enough memory to complete the operation"},
        {11, "The .exe file is invalid (non-Win32 .exe or error in .exe image)"},
        {26, "A sharing violation occurred"},
        {27, "The file name association is incomplete or invalid"},
        {28, "The DDE transaction could not be completed because the request timed out"},
        {29, "The DDE transaction failed"},
        {30, "The DDE transaction could not be completed because other DDE transactions were "
             "being processed"},
        {31, "There is no application associated with the given file name extension or File "
             "is not printable"},
        {32, "The specified DLL was not found"},
        {1, ""},
        {4, ""},
        {33, ""},
        {-1, ""},
    };
    for (const auto& row : rows) {
        QTest::addRow("%d", row.nCode) << row.nCode << QString::fromLatin1(row.pszText);
    }
}

void CNimbrelAppTest::shellErrorReport() {
    QFETCH(int, code);
    QFETCH(QString, text);
    CNimbrelApp app;
    app.ReportShellError(code);
    const std::vector<std::string> expected = {"An Error Occured Starting your Web Browser \n" +
                                               text.toStdString()};
    QCOMPARE(m_pEnvironment->messages.m_texts, expected);
    QCOMPARE(m_pEnvironment->messages.m_captions, std::vector<std::string>{"Nimbrel"});
}

void CNimbrelAppTest::missingOpenerIsReported() {
    qputenv("PATH", m_pEnvironment->settings.Path().toLocal8Bit());
    CNimbrelApp app;
    app.OpenWebPage("http://www.korvat.com/applications/nimbrel/nimbrel.php");
    QCOMPARE(m_pEnvironment->messages.m_texts,
             std::vector<std::string>{CNimbrelApp::ShellErrorMessage(31)});
}

void CNimbrelAppTest::statusLinkOpensTheMakersSite() {
    const QString strDir = m_pEnvironment->settings.Path();
    const QString strFifo = InstallRecordingOpener(strDir);
    QVERIFY(!strFifo.isEmpty());
    qputenv("PATH", strDir.toLocal8Bit() + ":/usr/bin:/bin");

    CMainFrame* pFrame = Start();
    QVERIFY(pFrame != nullptr);
    emit pFrame->GetStatusBar().FindElement(ID_STATUS_LINK)->linkActivated(QString());
    QFile fifo(strFifo);
    QVERIFY(fifo.open(QIODevice::ReadOnly));
    QCOMPARE(fifo.readAll(), QByteArray("http://www.korvat.com"));
    QVERIFY(m_pEnvironment->messages.m_texts.empty());
}

void CNimbrelAppTest::damagedStoreIsReportedOnce() {
    const QString strFile = QString::fromStdString(RegistryStoreFile());
    QVERIFY(QDir().mkpath(QFileInfo(strFile).path()));
    QFile store(strFile);
    QVERIFY(store.open(QIODevice::WriteOnly));
    store.write(QByteArray(4096, 'x'));
    store.close();

    QVERIFY(Start() != nullptr);
    QCOMPARE(m_pEnvironment->messages.m_texts.size(), std::size_t(1));
    QVERIFY(!m_pEnvironment->messages.m_texts[0].empty());
    m_pApp.reset();

    QVERIFY(Start() != nullptr);
    QCOMPARE(m_pEnvironment->messages.m_texts.size(), std::size_t(1));
}

void CNimbrelAppTest::withoutDisplayTheProgramEndsWithOneLine() {
    const QString strProgram = QStringLiteral(NIMBREL_EXE);
    if (strProgram.isEmpty()) {
        QSKIP("the nimbrel program is not part of this build");
    }
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* pszName : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(pszName));
    }
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_pEnvironment->settings.Path());
    process.setProcessEnvironment(environment);
    process.start(strProgram, {});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    const QByteArray error = process.readAllStandardError();
    QCOMPARE(error.count('\n'), 1);
    QVERIFY(error.endsWith('\n'));
    QVERIFY(process.readAllStandardOutput().isEmpty());
}

QTEST_MAIN(CNimbrelAppTest)
#include "NimbrelAppTest.moc"
