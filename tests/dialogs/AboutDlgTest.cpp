// SPDX-License-Identifier: MIT
// The About box: its template and texts, the three system lines for a known host and user
// and for each failure, the two links, the credits scrolled tick by tick (driven here by
// calling the tick handler, never by waiting), bitmap lines found and missing, and the
// snowflake drawn from the stored record without touching the store or the ribbon.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "app/NimbrelApp.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/CreditLines.h"
#include "dialogs/CreditsCtrl.h"
#include "fractals/VonKochView.h"
#include "platform/ui/HostedViewImage.h"
#include "platform/ui/LinkCtrl.h"
#include "platform/ui/Text.h"
#include "platform/ui/ViewWindow.h"
#include "resources/Resource.h"
#include "settings/ProgramSettings.h"
#include "settings/RegistryFunctions.h"
#include "support/FakeRibbon.h"

namespace {

constexpr QRgb kGrey = qRgb(216, 216, 216);

// A host "atlas" at 192.168.7.21 and a user "erin", or the failures a row asks for.
CSystemCalls FakeSystem(bool bHostName, bool bResolves, bool bLogin) {
    CSystemCalls calls;
    calls.GetHostName = [bHostName](char* pszName, std::size_t nSize) {
        if (!bHostName) {
            return -1;
        }
        qstrncpy(pszName, "atlas", nSize);
        return 0;
    };
    calls.ResolveIPv4 = [bResolves](const std::string&) -> std::optional<std::string> {
        if (!bResolves) {
            return std::nullopt;
        }
        return "192.168.7.21";
    };
    calls.PasswordName = [bLogin](uid_t) -> std::optional<std::string> {
        if (!bLogin) {
            return std::nullopt;
        }
        return "erin";
    };
    calls.GetEnv = [](const char*) -> const char* { return nullptr; };
    return calls;
}

CAboutSources KnownSystem() {
    return CAboutSources{FakeSystem(true, true, true), {}, {}};
}

QString LabelText(const CAboutDlg& dlg, int nID) {
    auto* pLabel = qobject_cast<QLabel*>(dlg.GetDlgItem(nID));
    return pLabel != nullptr ? pLabel->text() : QStringLiteral("<no label>");
}

void Ticks(CAboutDlg& dlg, int nCount) {
    for (int i = 0; i < nCount; ++i) {
        dlg.OnTimer(CAboutDlg::kCreditsTimer);
    }
}

QImage Credits(const CAboutDlg& dlg) {
    return dlg.m_pCreditsCtrl->Picture();
}

// The rows of the credits area from top on, as they are now.
QImage Rows(const CAboutDlg& dlg, int nTop, int nCount) {
    return Credits(dlg).copy(0, nTop, Credits(dlg).width(), nCount);
}

bool IsAllGrey(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kGrey) {
                return false;
            }
        }
    }
    return true;
}

// The Von Koch record the tests store: level 3, square frame, square grain, ratio 500,
// inside, red on a green and blue background.
void StoreKochRecord(CVonKochView& view) {
    view.SetParameters(3, 2, -1, 500, 0, 4, RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), 1);
}

} // namespace

class CAboutDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void templateAndTexts();
    void systemLines_data();
    void systemLines();
    void linksOpenTheirAddresses();
    void linkWithoutOpenerIsReported();
    void creditTableNamesTheWorkItStandsOn();
    void firstLineStartsAtTick16AndComesInOver22Ticks();
    void lineRevealedRowByRowAsDrawnWhole();
    void linesStartAfterThePreviousLinesHeight();
    void lastLineIsFollowedByTheFirst();
    void bitmapLineRevealsAndEnds();
    void missingBitmapStopsTheCreditsWithOneMessage();
    void snowflakeShowsTheStoredRecord();
    void ribbonAndStoreUntouchedByOpeningAndClosing();
    void aboutCommandIsHandledByTheFrame();
    void screenshot();

private:
    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
};

void CAboutDlgTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    QVERIFY(CreateRegistryBranch(kParameterKey));
}

void CAboutDlgTest::cleanup() {
    m_pEnvironment.reset();
}

void CAboutDlgTest::templateAndTexts() {
    CAboutDlg dlg(nullptr, KnownSystem());
    QCOMPARE(dlg.windowTitle(), QStringLiteral("About Nimbrel"));
    // 475 by 300 dialog units of an 8-point dialog font.
    QCOMPARE(dlg.size(), QSize(713, 488));
    QCOMPARE(LabelText(dlg, IDC_PRODUCT_NAME), QStringLiteral("Nimbrel Version 2.0"));
    QCOMPARE(LabelText(dlg, IDC_DISCLAIMER), QString());
    // Names from the system are shown as they are: a name that looks like markup stays text.
    for (const int nID : {IDC_LOGIN_NAME, IDC_COMPUTER_NAME, IDC_IP_ADDRESS}) {
        QCOMPARE(qobject_cast<QLabel*>(dlg.GetDlgItem(nID))->textFormat(), Qt::PlainText);
    }
    auto* pOk = qobject_cast<QPushButton*>(dlg.GetDlgItem(IDOK));
    QVERIFY(pOk != nullptr);
    QCOMPARE(pOk->text(), QStringLiteral("OK"));
    QVERIFY(pOk->isDefault());
    QCOMPARE(pOk->geometry(), QRect(563, 440, 112, 36));
    QCOMPARE(dlg.GetDlgItem(IDC_CREDITS)->geometry(), QRect(90, 252, 600, 138));
    QCOMPARE(dlg.m_rcCredits, (CRect{0, 0, 600, 138}));
    QCOMPARE(dlg.m_rcCreditsInDialog, (CRect{90, 252, 690, 390}));
    QCOMPARE(dlg.GetDlgItem(IDC_KOCH_VIEW)->geometry(), QRect(300, 15, 405, 214));
    QCOMPARE(qobject_cast<CLinkCtrl*>(dlg.GetDlgItem(IDC_MAIL_LINK))->text(),
             QStringLiteral("nimbrel@korvat.com"));
    QCOMPARE(qobject_cast<CLinkCtrl*>(dlg.GetDlgItem(IDC_WEB_LINK))->text(),
             QStringLiteral("http://www.korvat.com"));

    // The state OnInitDialog leaves: the timer running, the credits area grey at once.
    QVERIFY(dlg.IsCreditsTimerRunning());
    QCOMPARE(dlg.m_nTick, 1);
    QCOMPARE(dlg.m_nCreditIndex, 0);
    QCOMPARE(dlg.m_nLineHeight, 16);
    QCOMPARE(dlg.m_nScrolled, 0);
    QCOMPARE(dlg.m_bBitmapLine, false);
    QCOMPARE(dlg.m_bFirstPaint, false);
    QVERIFY(dlg.m_strCreditLine.empty());
    QVERIFY(IsAllGrey(Credits(dlg)));
}

void CAboutDlgTest::systemLines_data() {
    QTest::addColumn<bool>("hostName");
    QTest::addColumn<bool>("resolves");
    QTest::addColumn<bool>("login");
    QTest::addColumn<QString>("loginLine");
    QTest::addColumn<QString>("computerLine");
    QTest::addColumn<QString>("addressLine");
    QTest::newRow("known") << true << true << true << QStringLiteral("Login Name: erin")
                           << QStringLiteral("Computer Name: atlas")
                           << QStringLiteral("TCP/IP Address: 192.168.7.21");
    QTest::newRow("no host name") << false << true << true << QStringLiteral("Login Name: erin")
                                  << QStringLiteral("Computer Name: Unknown")
                                  << QStringLiteral("TCP/IP Address: ");
    QTest::newRow("not resolved") << true << false << true << QStringLiteral("Login Name: erin")
                                  << QStringLiteral("Computer Name: atlas")
                                  << QStringLiteral("TCP/IP Address: ");
    QTest::newRow("no login name")
        << true << true << false << QStringLiteral("Login Name: Unknown")
        << QStringLiteral("Computer Name: atlas") << QStringLiteral("TCP/IP Address: 192.168.7.21");
}

void CAboutDlgTest::systemLines() {
    QFETCH(bool, hostName);
    QFETCH(bool, resolves);
    QFETCH(bool, login);
    CAboutDlg dlg(nullptr, CAboutSources{FakeSystem(hostName, resolves, login), {}, {}});
    QTEST(LabelText(dlg, IDC_LOGIN_NAME), "loginLine");
    QTEST(LabelText(dlg, IDC_COMPUTER_NAME), "computerLine");
    QTEST(LabelText(dlg, IDC_IP_ADDRESS), "addressLine");
}

void CAboutDlgTest::linksOpenTheirAddresses() {
    const QString strDir = m_pEnvironment->settings.Path();
    const QString strFifo = InstallRecordingOpener(strDir);
    QVERIFY(!strFifo.isEmpty());
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", strDir.toLocal8Bit() + ":/usr/bin:/bin");

    CAboutDlg dlg(nullptr, KnownSystem());
    const struct {
        int nID;
        const char* pszAddress;
    } links[] = {{IDC_MAIL_LINK, "mailto:nimbrel@korvat.com?Subject=Nimbrel 2.0"},
                 {IDC_WEB_LINK, "http://www.korvat.com"}};
    for (const auto& link : links) {
        auto* pLink = qobject_cast<CLinkCtrl*>(dlg.GetDlgItem(link.nID));
        QVERIFY(pLink != nullptr);
        QVERIFY(pLink->toolTip().isEmpty());
        pLink->click();
        QCOMPARE(m_pEnvironment->messages.m_texts, std::vector<std::string>{});
        QFile fifo(strFifo);
        QVERIFY(fifo.open(QIODevice::ReadOnly));
        QCOMPARE(fifo.readAll(), QByteArray(link.pszAddress));
    }
    qputenv("PATH", savedPath);
}

void CAboutDlgTest::linkWithoutOpenerIsReported() {
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", m_pEnvironment->settings.Path().toLocal8Bit());
    CAboutDlg dlg(nullptr, KnownSystem());
    qobject_cast<CLinkCtrl*>(dlg.GetDlgItem(IDC_WEB_LINK))->click();
    qputenv("PATH", savedPath);
    QCOMPARE(m_pEnvironment->messages.m_texts,
             std::vector<std::string>{CNimbrelApp::ShellErrorMessage(31)});
}

void CAboutDlgTest::creditTableNamesTheWorkItStandsOn() {
    const std::span<const char* const> lines = CreditLines();
    QCOMPARE(lines.size(), std::size_t(39));
    QCOMPARE(std::string(lines[0]), std::string("Korvat Nimbrel 2.0 \n"));
    QCOMPARE(std::string(lines[2]), std::string("Geometric Fractal Explorer \r"));
    QCOMPARE(std::string(lines[34]),
             std::string("Comments and Request for Additional Features \t"));
    QCOMPARE(std::string(lines[35]),
             std::string("http://www.korvat.com/applications/nimbrel/nimbrel.php#feedback\f"));
    QCOMPARE(std::string(lines[32]).back(), 'f');
    for (int n : {1, 4, 6, 7, 30, 33, 36, 37, 38}) {
        QVERIFY2(std::string(lines[n]).empty(), qPrintable(QString::number(n)));
    }
    // Each work on a subtitle line, its address on the next.
    const struct {
        int nLine;
        const char* pszWork;
        const char* pszAddress;
    } works[] = {{8, "Qt", "https://www.qt.io/"},
                 {11, "SQLite", "https://www.sqlite.org/"},
                 {14, "libcurl", "https://curl.se/libcurl/"},
                 {17, "libpng", "http://www.libpng.org/pub/png/libpng.html"},
                 {20, "Liberation Fonts", "https://github.com/liberationfonts/liberation-fonts"},
                 {23, "GoogleTest", "https://github.com/google/googletest"},
                 {26, "Google Benchmark", "https://github.com/google/benchmark"}};
    for (const auto& work : works) {
        const std::string strName = lines[work.nLine];
        QVERIFY2(strName.find(work.pszWork) != std::string::npos &&
                     strName.back() == kCreditSubtitle,
                 work.pszWork);
        QCOMPARE(std::string(lines[work.nLine + 1]), std::string(work.pszAddress) + "\f");
        QVERIFY(std::string(lines[work.nLine + 2]).empty());
    }
    QCOMPARE(CreditFormatOf('\n'), (CCreditFormat{22, 700, true, 0x00FF0000}));
    QCOMPARE(CreditFormatOf('\t'), (CCreditFormat{18, 700, false, 0}));
    QCOMPARE(CreditFormatOf('\r'), (CCreditFormat{20, 700, false, 0}));
    QCOMPARE(CreditFormatOf('\f'), (CCreditFormat{16, 100, false, 0x00FF0000}));
    QCOMPARE(CreditFormatOf('f'), CreditFormatOf('\f'));
}

void CAboutDlgTest::firstLineStartsAtTick16AndComesInOver22Ticks() {
    CAboutDlg dlg(nullptr, KnownSystem());
    Ticks(dlg, 15);
    QVERIFY(dlg.m_strCreditLine.empty());
    QVERIFY(IsAllGrey(Credits(dlg)));
    Ticks(dlg, 1);
    QCOMPARE(dlg.m_strCreditLine, std::string("Korvat Nimbrel 2.0 \n"));
    QCOMPARE(dlg.m_nCreditIndex, 1);
    QCOMPARE(dlg.m_nScrolled, 1);
    QCOMPARE(dlg.m_nLineHeight, 22);
    // One pixel a tick: 22 ticks in all bring the line in; the next tick starts line 1.
    Ticks(dlg, 21);
    QCOMPARE(dlg.m_nScrolled, 22);
    QCOMPARE(dlg.m_nCreditIndex, 1);
    QVERIFY(IsAllGrey(Rows(dlg, 0, 138 - 22)));
    QVERIFY(!IsAllGrey(Rows(dlg, 138 - 22, 22)));
    Ticks(dlg, 1);
    QCOMPARE(dlg.m_nCreditIndex, 2);
    QCOMPARE(dlg.m_nScrolled, 1);
}

void CAboutDlgTest::lineRevealedRowByRowAsDrawnWhole() {
    // The title revealed row by row over 22 ticks is the title drawn in one go.
    CAboutDlg dlg(nullptr, KnownSystem());
    Ticks(dlg, 37);
    QImage expected(600, 22, QImage::Format_RGB32);
    expected.fill(kGrey);
    QPainter painter(&expected);
    painter.setFont(CAboutDlg::MakeCreditFont(22, 700, false, true));
    painter.setPen(QColor(0, 0, 255));
    painter.drawText(QRect(0, 0, 600, 22), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                     QStringLiteral("Korvat Nimbrel 2.0 "));
    painter.end();
    QCOMPARE(Rows(dlg, 138 - 22, 22), expected);
}

void CAboutDlgTest::linesStartAfterThePreviousLinesHeight() {
    // Line 0 (22 pixels) at tick 16, the empty line 1 after 22 ticks and again 22 ticks later
    // line 2 (20 pixels), then line 3 (16 pixels), the empty line 4 after 16 and line 5.
    CAboutDlg dlg(nullptr, KnownSystem());
    const int starts[] = {16, 38, 60, 80, 96, 112};
    int nTick = 0;
    for (int nLine = 0; nLine < int(std::size(starts)); ++nLine) {
        Ticks(dlg, starts[nLine] - 1 - nTick);
        QCOMPARE(dlg.m_nCreditIndex, nLine);
        Ticks(dlg, 1);
        nTick = starts[nLine];
        QCOMPARE(dlg.m_nCreditIndex, nLine + 1);
        QCOMPARE(dlg.m_strCreditLine, std::string(CreditLines()[nLine]));
    }
}

void CAboutDlgTest::lastLineIsFollowedByTheFirst() {
    CAboutDlg dlg(nullptr, KnownSystem());
    std::vector<int> started;
    for (int nTick = 0; nTick < 2000 && started.size() < 41; ++nTick) {
        const int nIndex = dlg.m_nCreditIndex;
        Ticks(dlg, 1);
        if (dlg.m_nCreditIndex != nIndex) {
            started.push_back(nIndex);
        }
    }
    std::vector<int> expected;
    for (int n = 0; n < 39; ++n) {
        expected.push_back(n);
    }
    expected.push_back(0);
    expected.push_back(1);
    QCOMPARE(started, expected);
}

void CAboutDlgTest::bitmapLineRevealsAndEnds() {
    // A 10 by 5 bitmap whose rows are shades of red, then a text line.
    QImage bitmap(10, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 10; ++x) {
            bitmap.setPixel(x, y, qRgb(50 * (y + 1), 0, 0));
        }
    }
    std::vector<std::string> asked;
    CAboutSources sources = KnownSystem();
    sources.credits = {"Logo\b", "after\f"};
    sources.loadBitmap = [&](const std::string& strName) {
        asked.push_back(strName);
        return bitmap;
    };
    CAboutDlg dlg(nullptr, sources);
    Ticks(dlg, 16);
    QCOMPARE(dlg.m_bBitmapLine, true);
    Ticks(dlg, 4);
    QCOMPARE(asked, std::vector<std::string>{"Logo"});
    // Centred: x = 600 - 600 / 2 - 10 / 2.
    for (int y = 0; y < 5; ++y) {
        QCOMPARE(Credits(dlg).pixel(295, 133 + y), qRgb(50 * (y + 1), 0, 0));
        QCOMPARE(Credits(dlg).pixel(304, 133 + y), qRgb(50 * (y + 1), 0, 0));
        QCOMPARE(Credits(dlg).pixel(294, 133 + y), kGrey);
        QCOMPARE(Credits(dlg).pixel(305, 133 + y), kGrey);
    }
    // The tick after the last row ends the bitmap line: nothing more of it, and the next line
    // comes the line height (still 16) later.
    Ticks(dlg, 1);
    QCOMPARE(dlg.m_bBitmapLine, false);
    QVERIFY(dlg.m_strCreditLine.empty());
    QCOMPARE(dlg.m_nScrolled, 0);
    QCOMPARE(dlg.m_nTick, 1);
    QVERIFY(IsAllGrey(Rows(dlg, 137, 1)));
    Ticks(dlg, 15);
    QVERIFY(dlg.m_strCreditLine.empty());
    Ticks(dlg, 1);
    QCOMPARE(dlg.m_strCreditLine, std::string("after\f"));
    QCOMPARE(dlg.m_nCreditIndex, 0);
    QCOMPARE(dlg.m_nScrolled, 1);
    // The first line again, its bitmap loaded anew.
    Ticks(dlg, 16);
    QCOMPARE(dlg.m_strCreditLine, std::string("Logo\b"));
    QCOMPARE(asked.size(), std::size_t(2));
    QVERIFY(m_pEnvironment->messages.m_texts.empty());
}

void CAboutDlgTest::missingBitmapStopsTheCreditsWithOneMessage() {
    CAboutSources sources = KnownSystem();
    sources.credits = {"Title\n", "Missing Logo\b", "after\f"};
    sources.loadBitmap = [](const std::string&) { return QImage(); };
    CAboutDlg dlg(nullptr, sources);
    Ticks(dlg, 37);
    QVERIFY(m_pEnvironment->messages.m_texts.empty());
    Ticks(dlg, 1);
    QCOMPARE(m_pEnvironment->messages.m_texts,
             std::vector<std::string>{"Could not find bitmap resource \"Missing Logo\". Be sure to "
                                      "assign the bitmap a QUOTED resource name"});
    QCOMPARE(m_pEnvironment->messages.m_captions, std::vector<std::string>{"Error"});
    QVERIFY(!dlg.IsCreditsTimerRunning());
    // Stopped for good: later ticks change nothing and say nothing, and the box stays open.
    const QImage stopped = Credits(dlg);
    const int nScrolled = dlg.m_nScrolled;
    Ticks(dlg, 100);
    QCOMPARE(m_pEnvironment->messages.m_texts.size(), std::size_t(1));
    QCOMPARE(dlg.m_nScrolled, nScrolled);
    QCOMPARE(Credits(dlg), stopped);
    QCOMPARE(dlg.result(), 0);
}

void CAboutDlgTest::snowflakeShowsTheStoredRecord() {
    CVonKochView stored;
    StoreKochRecord(stored);
    QCOMPARE(WriteViewSettings(kVonKochSettings, stored.FormatSettings(kVonKochSettings)), 0L);

    CAboutDlg dlg(nullptr, KnownSystem());
    dlg.show();
    const CVonKochView& view = *dlg.m_pKochView;
    QCOMPARE(view.GetHosting().bLoadsStore, true);
    QCOMPARE(view.FormatSettings(kVonKochSettings), stored.FormatSettings(kVonKochSettings));

    // The box shows the stored record's picture in its control.
    auto* pHost = static_cast<CViewWindow*>(dlg.GetDlgItem(IDC_KOCH_VIEW));
    const QSize size = pHost->GetCanvas()->size();
    QVERIFY(size.width() > 300 && size.height() > 200);
    QCOMPARE(view.m_rcWindow.Width(), 405);
    stored.ComputeDrawingRects(view.m_rcWindow);
    QImage expected(size, QImage::Format_RGB32);
    PaintHostedViewImage(stored, expected);
    QCOMPARE(pHost->RenderImage(size), expected);
}

void CAboutDlgTest::ribbonAndStoreUntouchedByOpeningAndClosing() {
    CFakeMainFrame frame;
    CFakeRibbon& ribbon = frame.m_ribbon;
    ribbon.m_sliders.emplace(ID_VON_KOCH_SLIDER_RECURSION, CFakeSlider(1, 10, 7));
    ribbon.m_sliders.emplace(ID_VON_KOCH_SLIDER_SIMILARITY, CFakeSlider(150, 1000, 640));
    ribbon.m_edits[ID_VONKOCH_RECURSION].SetEditText(std::to_string(7));
    ribbon.m_edits[ID_VON_KOCH_SIMILARITY].SetEditText(std::to_string(640));

    // Without a stored record nothing is stored afterwards; with one it stays as it was,
    // even when the box's view has changed its record meanwhile.
    for (const bool bStored : {false, true}) {
        CVonKochView stored;
        StoreKochRecord(stored);
        if (bStored) {
            QCOMPARE(WriteViewSettings(kVonKochSettings, stored.FormatSettings(kVonKochSettings)),
                     0L);
        }
        const std::optional<std::string> before = ReadViewSettings(kVonKochSettings);
        {
            auto* pDlg = new CAboutDlg(nullptr, KnownSystem());
            pDlg->show();
            pDlg->m_pKochView->m_nLevel = 9;
            pDlg->m_pKochView->OnShowWindow(true);
            qobject_cast<QPushButton*>(pDlg->GetDlgItem(IDOK))->click();
            QCOMPARE(pDlg->result(), int(QDialog::Accepted));
            delete pDlg;
        }
        QCOMPARE(ReadViewSettings(kVonKochSettings), before);
        QCOMPARE(ribbon.m_sliders.at(ID_VON_KOCH_SLIDER_RECURSION).m_nPos, 7);
        QCOMPARE(ribbon.m_sliders.at(ID_VON_KOCH_SLIDER_SIMILARITY).m_nPos, 640);
        QCOMPARE(ribbon.m_sliders.at(ID_VON_KOCH_SLIDER_RECURSION).m_nRedraws, 0);
        QCOMPARE(ribbon.m_edits.at(ID_VONKOCH_RECURSION).m_strText, std::string("7"));
        QCOMPARE(ribbon.m_edits.at(ID_VON_KOCH_SIMILARITY).m_strText, std::string("640"));
        QCOMPARE(ribbon.m_lastRedrawFlags, 0u);
    }
}

void CAboutDlgTest::aboutCommandIsHandledByTheFrame() {
    // Only that the frame's command map has the handler: running it would open a modal box.
    CNimbrelApp app;
    CMainFrame frame(&app);
    QVERIFY(frame.HasCommandHandler(ID_ABOUT));
}

void CAboutDlgTest::screenshot() {
    // The box as it looks after a few lines have come in; kept as a picture with
    // NIMBREL_SCREENSHOT_DIR set.
    CVonKochView stored;
    QCOMPARE(WriteViewSettings(kVonKochSettings, stored.FormatSettings(kVonKochSettings)), 0L);
    CAboutDlg dlg(nullptr, KnownSystem());
    dlg.show();
    Ticks(dlg, 190);
    const QPixmap picture = dlg.grab();
    QCOMPARE(picture.size(), dlg.size());
    const QByteArray dir = qgetenv("NIMBREL_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        QVERIFY(picture.save(QString::fromLocal8Bit(dir) + QStringLiteral("/about-box.png")));
    }
}

QTEST_MAIN(CAboutDlgTest)
#include "AboutDlgTest.moc"
