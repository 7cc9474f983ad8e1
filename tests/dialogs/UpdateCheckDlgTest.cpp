// SPDX-License-Identifier: MIT
// The update dialog against servers on 127.0.0.1 that each test starts: its texts, what the
// versions and the message read after a check, which links are clickable and what a click
// opens, the missing connection, the busy wait that keeps painting, and the "Check for
// Update" command of the main frame.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "app/MainFrame.h"
#include "dialogs/UpdateCheckDlg.h"
#include "dialogs/core/UpdateCheck.h"
#include "platform/net/Internet.h"
#include "platform/ui/LinkCtrl.h"
#include "platform/ui/Text.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"
#include "settings/RegistryFunctions.h"
#include "settings/UpdateCheckSettings.h"
#include "support/LoopbackHttpServer.h"

namespace {

const std::string kPage = "http://www.korvat.com/applications/nimbrel/nimbrel.php";
const std::string kLatest = "You are using the latest version of Korvat Nimbrel";
const std::string kNewer =
    "A new Version is Available from Internet. Please Click on the Link to Get More "
    "Informations and Download the Latest release of Korvat Nimbrel";

// The dialog with the connection state answered by the test, and a link whose clicks are
// recorded instead of opened.
class CTestDlg : public CUpdateCheckDlg {
public:
    explicit CTestDlg(bool bConnected = true)
        : m_bConnected(bConnected) {
        GetLink().SetOpener([this](const std::string& strAddress) {
            m_opened.push_back(strAddress);
            return 42;
        });
    }
    std::string Text(int nID) const {
        QWidget* pItem = GetDlgItem(nID);
        if (auto* pEdit = qobject_cast<QLineEdit*>(pItem)) {
            return ToAnsi(pEdit->text());
        }
        if (auto* pLabel = qobject_cast<QLabel*>(pItem)) {
            return ToAnsi(pLabel->text());
        }
        if (auto* pGroup = qobject_cast<QGroupBox*>(pItem)) {
            return ToAnsi(pGroup->title());
        }
        if (auto* pButton = qobject_cast<QAbstractButton*>(pItem)) {
            return ToAnsi(pButton->text());
        }
        return "?";
    }
    bool NoUpdateChecked() const {
        return qobject_cast<QCheckBox*>(GetDlgItem(IDC_NO_UPDATE_CHECK))->isChecked();
    }

    std::vector<std::string> m_opened;

protected:
    BOOL IsInternetConnected() override { return m_bConnected ? 1 : 0; }

private:
    bool m_bConnected;
};

// Counts its paint events.
class CPaintCounter : public QWidget {
public:
    int m_nPaints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++m_nPaints; }
};

} // namespace

class CUpdateCheckDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void templateTexts();
    void afterACheck_data();
    void afterACheck();
    void failedChecksShowUnknown_data();
    void failedChecksShowUnknown();
    void withoutCheckNowNothingIsFetched();
    void noConnectionClosesTheDialog();
    void checkBoxShowsNoUpdateCheckAndOkStoresNothing();
    void windowsKeepPaintingUnderTheWaitCursorDuringTheCheck();
    void checkForUpdateCommandOpensTheDialogAndChecks();
    void closingTheFrameDuringTheCheckWaitsForTheCommand();

private:
    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
};

void CUpdateCheckDlgTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    CreateRegistryBranch(kParameterKey);
    WriteCurrentVersion(kUpdateCheckStamp);
}

void CUpdateCheckDlgTest::cleanup() {
    qunsetenv(kUpdateUrlVariable);
    m_pEnvironment.reset();
}

void CUpdateCheckDlgTest::templateTexts() {
    CTestDlg dlg;
    QCOMPARE(ToAnsi(dlg.windowTitle()), std::string("Check for Nimbrel Update on Korvat Web Site"));
    QCOMPARE(dlg.objectName(), QStringLiteral("340"));
    QCOMPARE(dlg.Text(IDC_UPDATE_GROUP), std::string(" Update Informations "));
    QCOMPARE(dlg.Text(IDC_NO_UPDATE_CHECK), std::string("Do Not Check for Update in the Future"));
    QCOMPARE(dlg.Text(IDOK), std::string("OK"));
    QCOMPARE(dlg.GetLink().GetWindowText(), kPage);
    QStringList labels;
    for (QLabel* pLabel : dlg.findChildren<QLabel*>()) {
        labels << pLabel->text();
    }
    QVERIFY(labels.contains(QStringLiteral("Local Nimbrel Version:")));
    QVERIFY(labels.contains(QStringLiteral("Latest Nimbrel Version on Web: ")));
    QVERIFY(qobject_cast<QLineEdit*>(dlg.GetDlgItem(IDC_LOCAL_VERSION))->isReadOnly());
    QVERIFY(qobject_cast<QLineEdit*>(dlg.GetDlgItem(IDC_WEB_VERSION))->isReadOnly());
    QCOMPARE(dlg.size(), QSize(420, 260));
}

void CUpdateCheckDlgTest::afterACheck_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("web");
    QTest::addColumn<bool>("latest");
    QTest::addColumn<QByteArray>("link");
    QTest::addColumn<bool>("clickable");
    QTest::addColumn<QByteArray>("opened");
    const QByteArray page = QByteArray::fromStdString(kPage);
    QTest::newRow("latest") << "2|0|0|" + page << "2.0" << true << page << true << page;
    QTest::newRow("newer") << "2|0|1|" + page << "2.0a" << false << page << true << page;
    QTest::newRow("26th") << "2|0|26|" + page << "2.0z" << false << page << true << page;
    QTest::newRow("27th") << "2|0|27|" + page << "2.0{" << false << page << true << page;
    QTest::newRow("blanks around the link")
        << QByteArray("2|0|1| https://example.org/p\r\n") << "2.0a" << false
        << QByteArray("https://example.org/p") << true << QByteArray("https://example.org/p");
    QTest::newRow("local file") << QByteArray("3|0|0|file:///etc/passwd") << "3.0" << false
                                << QByteArray("file:///etc/passwd") << false << QByteArray();
    QTest::newRow("script") << QByteArray("3|0|0|javascript:alert(1)") << "3.0" << false
                            << QByteArray("javascript:alert(1)") << false << QByteArray();
    QTest::newRow("command line") << QByteArray("3|0|0|xterm -e sh") << "3.0" << false
                                  << QByteArray("xterm -e sh") << false << QByteArray();
}

void CUpdateCheckDlgTest::afterACheck() {
    QFETCH(QByteArray, body);
    QFETCH(QString, web);
    QFETCH(bool, latest);
    QFETCH(QByteArray, link);
    QFETCH(bool, clickable);
    QFETCH(QByteArray, opened);
    CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer(body.toStdString()));
    qputenv(kUpdateUrlVariable, QByteArray::fromStdString(server.Url()));
    CTestDlg dlg;
    dlg.m_bCheckNow = 1;
    QVERIFY(dlg.OnInitDialog());
    QCOMPARE(server.Requests(), 1);
    QCOMPARE(dlg.Text(IDC_LOCAL_VERSION), std::string("2.0"));
    QCOMPARE(dlg.Text(IDC_WEB_VERSION), web.toStdString());
    QCOMPARE(dlg.Text(IDC_UPDATE_MESSAGE), latest ? kLatest : kNewer);
    QCOMPARE(dlg.GetLink().GetWindowText(), link.toStdString());
    QCOMPARE(dlg.GetLink().IsClickable(), clickable);
    QTest::mouseClick(&dlg.GetLink(), Qt::LeftButton);
    const std::vector<std::string> expected = opened.isEmpty()
                                                  ? std::vector<std::string>{}
                                                  : std::vector<std::string>{opened.toStdString()};
    QCOMPARE(dlg.m_opened, expected);
    QVERIFY(m_pEnvironment->messages.m_texts.empty());
}

void CUpdateCheckDlgTest::failedChecksShowUnknown_data() {
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("refused") << QByteArray();
    QTest::newRow("error page") << QByteArray::fromStdString(
        CLoopbackHttpServer::HttpAnswer("<html><body>Not Found</body></html>", 404, "Not Found"));
    QTest::newRow("binary") << QByteArray::fromStdString(
        CLoopbackHttpServer::HttpAnswer(std::string("\x01\xFE\x00\xFF|1|1|", 9)));
    QTest::newRow("empty") << QByteArray::fromStdString(CLoopbackHttpServer::HttpAnswer(""));
}

void CUpdateCheckDlgTest::failedChecksShowUnknown() {
    QFETCH(QByteArray, answer);
    std::unique_ptr<CLoopbackHttpServer> pServer;
    if (answer.isEmpty()) {
        qputenv(kUpdateUrlVariable, QByteArray::fromStdString(CLoopbackHttpServer::RefusingUrl()));
    } else {
        pServer = std::make_unique<CLoopbackHttpServer>(answer.toStdString());
        qputenv(kUpdateUrlVariable, QByteArray::fromStdString(pServer->Url()));
    }
    CTestDlg dlg;
    dlg.m_bCheckNow = 1;
    QVERIFY(dlg.OnInitDialog());
    QCOMPARE(dlg.Text(IDC_LOCAL_VERSION), std::string("2.0"));
    QCOMPARE(dlg.Text(IDC_WEB_VERSION), std::string("Unknown"));
    QCOMPARE(dlg.Text(IDC_UPDATE_MESSAGE), std::string(" "));
    QCOMPARE(dlg.GetLink().GetWindowText(), std::string());
    QVERIFY(!dlg.GetLink().IsClickable());
    QVERIFY(m_pEnvironment->messages.m_texts.empty());
}

void CUpdateCheckDlgTest::withoutCheckNowNothingIsFetched() {
    CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer("2|0|1|"));
    qputenv(kUpdateUrlVariable, QByteArray::fromStdString(server.Url()));
    CTestDlg dlg;
    QVERIFY(dlg.OnInitDialog());
    QCOMPARE(server.Requests(), 0);
    QCOMPARE(dlg.Text(IDC_LOCAL_VERSION), std::string("0.0"));
    QCOMPARE(dlg.Text(IDC_WEB_VERSION), std::string("Unknown"));
    QCOMPARE(dlg.Text(IDC_UPDATE_MESSAGE), std::string(" "));
    QCOMPARE(dlg.GetLink().GetWindowText(), std::string());
}

void CUpdateCheckDlgTest::noConnectionClosesTheDialog() {
    CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer("2|0|1|"));
    qputenv(kUpdateUrlVariable, QByteArray::fromStdString(server.Url()));
    CTestDlg dlg(false);
    dlg.m_bCheckNow = 1;
    // DoModal returns without running the dialog: it closed itself.
    QCOMPARE(dlg.DoModal(), int(IDCANCEL));
    QVERIFY(dlg.IsEnded());
    QCOMPARE(server.Requests(), 0);
    QCOMPARE(m_pEnvironment->messages.m_texts,
             std::vector<std::string>{
                 "Unable to Get Internet Connection !!! No Update Check Availalble ..."});
}

void CUpdateCheckDlgTest::checkBoxShowsNoUpdateCheckAndOkStoresNothing() {
    CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer("2|0|0|"));
    qputenv(kUpdateUrlVariable, QByteArray::fromStdString(server.Url()));
    WriteNoUpdateCheck(1);
    CTestDlg dlg;
    dlg.m_bCheckNow = 1;
    QVERIFY(dlg.OnInitDialog());
    QVERIFY(dlg.NoUpdateChecked());
    qobject_cast<QCheckBox*>(dlg.GetDlgItem(IDC_NO_UPDATE_CHECK))->setChecked(false);
    dlg.m_bNoUpdate = 1;
    QTest::mouseClick(dlg.m_btnOK, Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.m_bNoUpdate, 0);
    QCOMPARE(ReadNoUpdateCheck(), DWORD(1));
}

void CUpdateCheckDlgTest::windowsKeepPaintingUnderTheWaitCursorDuringTheCheck() {
    CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer("2|0|1|"),
                               CLoopbackHttpServer::EMode::HoldUntilRelease);
    qputenv(kUpdateUrlVariable, QByteArray::fromStdString(server.Url()));
    CPaintCounter window;
    window.resize(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bool bWaitCursor = false;
    int nPaintsBefore = -1;
    bool bPaintedDuringCheck = false;
    // Timers run inside the check's wait: the first asks for a repaint, the watcher sees it
    // done and lets the server answer. Without painting the check would run into its bound.
    QTimer watcher;
    watcher.setInterval(5);
    connect(&watcher, &QTimer::timeout, &window, [&] {
        if (window.m_nPaints > nPaintsBefore) {
            bPaintedDuringCheck = true;
            watcher.stop();
            server.Release();
        }
    });
    QTimer::singleShot(0, &window, [&] {
        server.WaitForRequest();
        const QCursor* pCursor = QApplication::overrideCursor();
        bWaitCursor = pCursor != nullptr && pCursor->shape() == Qt::WaitCursor;
        nPaintsBefore = window.m_nPaints;
        window.update();
        watcher.start();
    });
    CTestDlg dlg;
    dlg.m_bCheckNow = 1;
    QVERIFY(dlg.OnInitDialog());
    QVERIFY(bWaitCursor);
    QVERIFY(bPaintedDuringCheck);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(dlg.Text(IDC_WEB_VERSION), std::string("2.0a"));
}

void CUpdateCheckDlgTest::checkForUpdateCommandOpensTheDialogAndChecks() {
    CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer("2|0|1|" + kPage));
    qputenv(kUpdateUrlVariable, QByteArray::fromStdString(server.Url()));
    CMainFrame frame;
    std::string strWebVersion;
    QTimer closer;
    closer.setInterval(10);
    connect(&closer, &QTimer::timeout, this, [&] {
        if (auto* pDlg = qobject_cast<CUpdateCheckDlg*>(QApplication::activeModalWidget())) {
            strWebVersion =
                ToAnsi(qobject_cast<QLineEdit*>(pDlg->GetDlgItem(IDC_WEB_VERSION))->text());
            pDlg->reject();
        }
    });
    closer.start();
    QVERIFY(frame.OnCmdMsg(ID_CHECK));
    closer.stop();
    if (InternetGetConnectedState(nullptr, 0)) {
        QCOMPARE(server.Requests(), 1);
        QCOMPARE(strWebVersion, std::string("2.0a"));
        QVERIFY(m_pEnvironment->messages.m_texts.empty());
    } else {
        QCOMPARE(server.Requests(), 0);
        QCOMPARE(m_pEnvironment->messages.m_texts.size(), std::size_t(1));
    }
    // The command stores nothing of the dialog.
    QCOMPARE(ReadNoUpdateCheck(), DWORD(0));
}

void CUpdateCheckDlgTest::closingTheFrameDuringTheCheckWaitsForTheCommand() {
    if (!InternetGetConnectedState(nullptr, 0)) {
        QSKIP("no network interface is up: the command shows its message and checks nothing");
    }
    CLoopbackHttpServer server(CLoopbackHttpServer::HttpAnswer("2|0|1|"),
                               CLoopbackHttpServer::EMode::HoldUntilRelease);
    qputenv(kUpdateUrlVariable, QByteArray::fromStdString(server.Url()));
    QPointer<CMainFrame> pFrame = new CMainFrame;
    pFrame->show();
    bool bAliveAfterClose = false;
    bool bDialogShown = false;
    // The close button (or a termination signal) while the check waits for the server.
    QTimer::singleShot(0, pFrame, [&] {
        server.WaitForRequest();
        pFrame->close();
        bAliveAfterClose = !pFrame.isNull() && pFrame->isVisible();
        server.Release();
    });
    QTimer watcher;
    watcher.setInterval(10);
    connect(&watcher, &QTimer::timeout, this, [&] {
        if (auto* pDlg = qobject_cast<CUpdateCheckDlg*>(QApplication::activeModalWidget())) {
            bDialogShown = true;
            pDlg->reject();
        }
    });
    watcher.start();
    QVERIFY(pFrame->OnCmdMsg(ID_CHECK));
    watcher.stop();
    QVERIFY(bAliveAfterClose);
    QVERIFY(!bDialogShown);
    QVERIFY(!pFrame.isNull());
    // Then the frame closes as it was asked to.
    QTRY_VERIFY(pFrame.isNull());
}

QTEST_MAIN(CUpdateCheckDlgTest)
#include "UpdateCheckDlgTest.moc"
