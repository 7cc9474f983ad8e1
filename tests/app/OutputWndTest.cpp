// SPDX-License-Identifier: MIT
// The output pane: the line format with its leading zeros, the context menu whose Copy
// and Clear leave the log alone, Hide, and the newest line kept in view.
#include <QMainWindow>
#include <QMenu>
#include <QScrollBar>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "app/OutputLine.h"
#include "app/OutputWnd.h"
#include "platform/ui/Text.h"
#include "resources/Resource.h"

class COutputWndTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lineFormat_data();
    void lineFormat();
    void paneHoldsTheListInItsOneTab();
    void contextMenuItems();
    void copyAndClearOnlySayWhatTheyWouldDo_data();
    void copyAndClearOnlySayWhatTheyWouldDo();
    void hideHidesThePaneAndKeepsItsLines();
    void newestLineStaysInView();

private:
    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
    std::unique_ptr<QMainWindow> m_pFrame;
    COutputWnd* m_pOutput = nullptr;
};

namespace {

std::tm LocalTime(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond) {
    std::tm time{};
    time.tm_year = nYear - 1900;
    time.tm_mon = nMonth - 1;
    time.tm_mday = nDay;
    time.tm_hour = nHour;
    time.tm_min = nMinute;
    time.tm_sec = nSecond;
    return time;
}

} // namespace

void COutputWndTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    m_pFrame = std::make_unique<QMainWindow>();
    m_pFrame->setCentralWidget(new QWidget);
    m_pOutput = new COutputWnd(m_pFrame.get());
    m_pFrame->addDockWidget(Qt::BottomDockWidgetArea, m_pOutput);
    m_pFrame->resize(600, 400);
    m_pFrame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pFrame.get()));
}

void COutputWndTest::cleanup() {
    m_pFrame.reset();
    m_pEnvironment.reset();
}

void COutputWndTest::lineFormat_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("line");
    QTest::newRow("first of January before ten")
        << 2027 << 1 << 1 << 9 << 3 << 7 << "Nimbrel 2.0 StartUp successful .."
        << "01/Jan/2027 09:03:07: Nimbrel 2.0 StartUp successful ..";
    QTest::newRow("December") << 2026 << 12 << 9 << 4 << 5 << 1 << "x"
                              << "09/Dec/2026 04:05:01: x";
    QTest::newRow("midnight") << 2030 << 6 << 30 << 0 << 0 << 0 << ""
                              << "30/Jun/2030 00:00:00: ";
    QTest::newRow("percent signs stay") << 2027 << 3 << 15 << 23 << 59 << 59 << "100% %d %s"
                                        << "15/Mar/2027 23:59:59: 100% %d %s";
    QTest::newRow("year with five digits") << 12345 << 2 << 28 << 12 << 30 << 45 << "far"
                                           << "28/Feb/12345 12:30:45: far";
    QTest::newRow("month outside the table") << 2027 << 13 << 1 << 1 << 1 << 1 << "m"
                                             << "01/Dum/2027 01:01:01: m";
}

void COutputWndTest::lineFormat() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, second);
    QFETCH(QString, message);
    QFETCH(QString, line);
    QCOMPARE(FromAnsi(FormatOutputLine(LocalTime(year, month, day, hour, minute, second),
                                       ToAnsi(message))),
             line);
}

void COutputWndTest::paneHoldsTheListInItsOneTab() {
    QCOMPARE(m_pOutput->GetDlgCtrlID(), UINT(ID_OUTPUT_PANE));
    QCOMPARE(m_pOutput->windowTitle(), QStringLiteral("Output"));
    auto* pTabs = qobject_cast<QTabWidget*>(m_pOutput->widget());
    QVERIFY(pTabs != nullptr);
    QCOMPARE(pTabs->count(), 1);
    QCOMPARE(pTabs->tabText(0), QStringLiteral("Nimbrel 2.0"));
    QCOMPARE(pTabs->tabPosition(), QTabWidget::South);
    QCOMPARE(pTabs->widget(0), &m_pOutput->GetList());

    m_pOutput->AddMessage("Switch to View of Von Koch Curve.");
    const std::string strLine = m_pOutput->GetLine(0);
    const std::string strSuffix = ": Switch to View of Von Koch Curve.";
    QVERIFY(strLine.size() == 20 + strSuffix.size());
    QCOMPARE(strLine.substr(20), strSuffix);
}

void COutputWndTest::contextMenuItems() {
    const std::unique_ptr<QMenu> pMenu = m_pOutput->GetList().CreateContextMenu();
    QStringList texts;
    for (const QAction* pAction : pMenu->actions()) {
        texts << (pAction->isSeparator() ? QStringLiteral("-") : pAction->text());
    }
    QCOMPARE(texts, QStringList({"&Copy", "&Clear", "-", "&Hide"}));
}

void COutputWndTest::copyAndClearOnlySayWhatTheyWouldDo_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("message");
    QTest::newRow("Copy") << 0 << "Copy output";
    QTest::newRow("Clear") << 1 << "Clear output";
}

void COutputWndTest::copyAndClearOnlySayWhatTheyWouldDo() {
    QFETCH(int, item);
    QFETCH(QString, message);
    m_pOutput->AddMessage("one");
    m_pOutput->AddMessage("two");
    const std::unique_ptr<QMenu> pMenu = m_pOutput->GetList().CreateContextMenu();
    pMenu->actions().at(item)->trigger();
    QCOMPARE(m_pEnvironment->messages.m_texts, std::vector<std::string>{ToAnsi(message)});
    QCOMPARE(m_pEnvironment->messages.m_captions, std::vector<std::string>{"Nimbrel"});
    QCOMPARE(m_pOutput->GetLineCount(), 2);
    QVERIFY(m_pOutput->GetLine(1).ends_with(": two"));
    QVERIFY(m_pOutput->isVisible());
}

void COutputWndTest::hideHidesThePaneAndKeepsItsLines() {
    m_pOutput->AddMessage("before");
    const std::unique_ptr<QMenu> pMenu = m_pOutput->GetList().CreateContextMenu();
    pMenu->actions().at(3)->trigger();
    QVERIFY(!m_pOutput->isVisible());
    QVERIFY(m_pEnvironment->messages.m_texts.empty());

    m_pOutput->AddMessage("while hidden");
    m_pOutput->show();
    QCOMPARE(m_pOutput->GetLineCount(), 2);
    QVERIFY(m_pOutput->GetLine(0).ends_with(": before"));
    QVERIFY(m_pOutput->GetLine(1).ends_with(": while hidden"));
}

void COutputWndTest::newestLineStaysInView() {
    COutputList& list = m_pOutput->GetList();
    for (int i = 0; i < 200; ++i) {
        // Wherever the user had scrolled to, the next line brings the newest into view.
        if (i == 100) {
            list.scrollToTop();
        }
        m_pOutput->AddMessage("line " + std::to_string(i));
        const QRect rcLast = list.visualItemRect(list.item(list.count() - 1));
        QVERIFY2(list.viewport()->rect().contains(rcLast), qPrintable(QString::number(i)));
    }
    QVERIFY(list.verticalScrollBar()->value() > 0);
}

QTEST_MAIN(COutputWndTest)
#include "OutputWndTest.moc"
