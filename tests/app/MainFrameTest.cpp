// SPDX-License-Identifier: MIT
// The main frame after a real start-up: its log, its ribbon tabs, switching between the ten
// views, the panes, the status bar, and the report of a view that cannot be made.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "app/NimbrelApp.h"
#include "platform/ui/RibbonElement.h"
#include "platform/ui/Text.h"
#include "platform/ui/ViewWindow.h"
#include "resources/Resource.h"

class CMainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startupLogsTwoLinesInOrder();
    void startupShowsOnlyTheVonKochTabAmongTheTen();
    void ribbonTabsStandInRibbonOrder();
    void unknownCategoryHidesAllTenFractalTabs();
    void switchShowsTheViewAndItsTab_data();
    void switchShowsTheViewAndItsTab();
    void switchingTwiceToTheSameViewLogsTwice();
    void selectionPaneRefusesToClose();
    void outputPaneMayClose();
    void titleAndStatusBarTexts();
    void viewThatCannotBeMadeIsReportedAndSkipped();
    void tabRowHasNoGap_data();
    void tabRowHasNoGap();
    void tabKeyReachesEveryControlOfTheVisibleTab_data();
    void tabKeyReachesEveryControlOfTheVisibleTab();
    void narrowWindowCollapsesPanelsFromTheRight_data();
    void narrowWindowCollapsesPanelsFromTheRight();
    void collapsedPanelDropsItsContentDown();

private:
    CMainFrame* Frame() const { return m_pApp->GetMainFrame(); }
    std::vector<std::string> Lines() const;
    std::vector<int> VisibleFractalTabs() const;

    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
    std::unique_ptr<CNimbrelApp> m_pApp;
};

namespace {

// The log's time stamp: "dd/Mon/yyyy hh:mm:ss: ".
const QRegularExpression
    kStampedLine(QStringLiteral("^\\d{2}/(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec)/\\d{4} "
                                "\\d{2}:\\d{2}:\\d{2}: (.*)$"));

std::string MessageOf(const std::string& strLine) {
    const QRegularExpressionMatch match = kStampedLine.match(FromAnsi(strLine));
    return match.hasMatch() ? ToAnsi(match.captured(2)) : "<unstamped> " + strLine;
}

} // namespace

void CMainFrameTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    m_pApp = std::make_unique<CNimbrelApp>();
    QVERIFY(m_pApp->InitInstance());
    QVERIFY(QTest::qWaitForWindowExposed(Frame()));
}

void CMainFrameTest::cleanup() {
    m_pApp.reset();
    m_pEnvironment.reset();
}

std::vector<std::string> CMainFrameTest::Lines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < Frame()->GetOutputWnd().GetLineCount(); ++i) {
        lines.push_back(MessageOf(Frame()->GetOutputWnd().GetLine(i)));
    }
    return lines;
}

std::vector<int> CMainFrameTest::VisibleFractalTabs() const {
    std::vector<int> positions;
    for (const CFractalInfo& info : FractalCatalog()) {
        if (Frame()->GetRibbon().IsCategoryVisible(
                Frame()->GetRibbon().FindCategory(info.pszTabName))) {
            positions.push_back(info.nPosition);
        }
    }
    return positions;
}

void CMainFrameTest::startupLogsTwoLinesInOrder() {
    const std::vector<std::string> expected = {"Nimbrel 2.0 StartUp successful ..",
                                               "Switch to View of Von Koch Curve."};
    QCOMPARE(Lines(), expected);
    QVERIFY(m_pEnvironment->messages.m_texts.empty());
}

void CMainFrameTest::startupShowsOnlyTheVonKochTabAmongTheTen() {
    QCOMPARE(VisibleFractalTabs(), std::vector<int>{0});
    CRibbonBar& ribbon = Frame()->GetRibbon();
    QCOMPARE(ribbon.GetCategoryName(ribbon.GetActiveCategory()), std::string("Von Koch SnowFlake"));
    for (const char* pszGlobal : {"Nimbrel", "View", "Help"}) {
        QVERIFY2(ribbon.IsCategoryVisible(ribbon.FindCategory(pszGlobal)), pszGlobal);
    }
    QCOMPARE(Frame()->GetActiveView(), Frame()->GetView(0));
    QVERIFY(Frame()->GetViewWindow(0)->isVisible());
}

void CMainFrameTest::ribbonTabsStandInRibbonOrder() {
    CRibbonBar& ribbon = Frame()->GetRibbon();
    std::vector<std::string> expected = {"Nimbrel"};
    for (const CFractalInfo& info : FractalCatalog()) {
        expected.push_back(info.pszTabName);
    }
    expected.push_back("View");
    expected.push_back("Help");
    std::vector<std::string> names;
    for (int i = 0; i < ribbon.GetCategoryCount(); ++i) {
        names.push_back(ribbon.GetCategoryName(i));
        QCOMPARE(ribbon.GetTabBar()->tabText(i), FromAnsi(names.back()));
    }
    QCOMPARE(names, expected);
}

void CMainFrameTest::unknownCategoryHidesAllTenFractalTabs() {
    for (const char* pszName : {"Von Koch Snowflake", "Nimbrel", ""}) {
        Frame()->ActivateCategory("Heighway Dragon");
        Frame()->ActivateCategory(pszName);
        QVERIFY2(VisibleFractalTabs().empty(), pszName);
        CRibbonBar& ribbon = Frame()->GetRibbon();
        for (const char* pszGlobal : {"Nimbrel", "View", "Help"}) {
            QVERIFY(ribbon.IsCategoryVisible(ribbon.FindCategory(pszGlobal)));
        }
    }
}

void CMainFrameTest::switchShowsTheViewAndItsTab_data() {
    QTest::addColumn<int>("position");
    for (const CFractalInfo& info : FractalCatalog()) {
        QTest::newRow(info.pszClassName) << info.nPosition;
    }
}

void CMainFrameTest::switchShowsTheViewAndItsTab() {
    QFETCH(int, position);
    const CFractalInfo& info = FractalCatalog()[std::size_t(position)];
    Frame()->ActivateCategory(info.pszTabName);
    QVERIFY(Frame()->SwitchToFractal(position));

    QCOMPARE(Lines().back(), std::string(info.pszSwitchMessage));
    QCOMPARE(VisibleFractalTabs(), std::vector<int>{position});
    QCOMPARE(Frame()->GetActiveView(), Frame()->GetView(position));
    for (int i = 0; i < kFractalCount; ++i) {
        QCOMPARE(Frame()->GetViewWindow(i)->isVisible(), i == position);
    }
    // The visible view fills the client area.
    QCOMPARE(Frame()->GetViewWindow(position)->size(), Frame()->centralWidget()->size());
}

void CMainFrameTest::switchingTwiceToTheSameViewLogsTwice() {
    QVERIFY(Frame()->SwitchToFractal(3));
    QVERIFY(Frame()->SwitchToFractal(3));
    const std::vector<std::string> lines = Lines();
    QCOMPARE(lines.size(), std::size_t(4));
    QCOMPARE(lines[2], std::string("Switch to View of Cesaro Curve."));
    QCOMPARE(lines[3], std::string("Switch to View of Cesaro Curve."));
    QVERIFY(Frame()->GetViewWindow(3)->isVisible());
    QCOMPARE(Frame()->GetActiveView(), Frame()->GetView(3));

    for (int nOutside : {-1, 10}) {
        QVERIFY(!Frame()->SwitchToFractal(nOutside));
    }
    QCOMPARE(Lines().size(), std::size_t(4));
}

void CMainFrameTest::selectionPaneRefusesToClose() {
    CDockablePane& pane = Frame()->GetSelectionPane();
    QCOMPARE(pane.GetDlgCtrlID(), UINT(ID_SELECTION_PANE));
    QCOMPARE(pane.windowTitle(), QStringLiteral("Selection View"));
    QVERIFY(!pane.close());
    QVERIFY(pane.isVisible());
    QCOMPARE(m_pEnvironment->messages.m_texts,
             std::vector<std::string>{"Fractal Selection View Can NOT be closed !!!"});
    QCOMPARE(m_pEnvironment->messages.m_captions, std::vector<std::string>{"Nimbrel"});
}

void CMainFrameTest::outputPaneMayClose() {
    COutputWnd& pane = Frame()->GetOutputWnd();
    QCOMPARE(pane.windowTitle(), QStringLiteral("Output"));
    QVERIFY(pane.close());
    QVERIFY(!pane.isVisible());
    QVERIFY(m_pEnvironment->messages.m_texts.empty());
}

void CMainFrameTest::titleAndStatusBarTexts() {
    QCOMPARE(Frame()->windowTitle(), QStringLiteral("Korvat Nimbrel 2.0"));
    CRibbonStatusBar& statusBar = Frame()->GetStatusBar();
    QCOMPARE(statusBar.GetElementText(ID_STATUS_WELCOME), std::string("Welcome to Nimbrel 2.0"));
    QCOMPARE(statusBar.GetElementLabel(ID_STATUS_WELCOME), std::string("Nimbrel 2.0 Messages"));
    QCOMPARE(statusBar.GetElementText(ID_STATUS_LINK), std::string("www.korvat.com"));
    QCOMPARE(statusBar.GetElementLabel(ID_STATUS_LINK), std::string("Link to Korvat Web Site"));
    QCOMPARE(statusBar.FindLinkAddress(ID_STATUS_LINK),
             std::optional<std::string>("http://www.korvat.com"));
    QLabel* pWelcome = statusBar.FindElement(ID_STATUS_WELCOME);
    QVERIFY(pWelcome->width() >= pWelcome->fontMetrics().horizontalAdvance(
                                     QStringLiteral("0123456789012345678901234567890123456789")));
}

void CMainFrameTest::viewThatCannotBeMadeIsReportedAndSkipped() {
    m_pApp.reset();
    m_pEnvironment->messages.m_texts.clear();
    CMainFrame frame;
    QVERIFY(frame.Create());
    frame.CreateViews([](int nPosition) {
        return nPosition == 3 || nPosition == 9 ? nullptr : CreateFractalView(nPosition);
    });
    const std::vector<std::string> expected = {
        "Unable to Create CCesaroView !!! Please Contact Korvat to Report Error ...",
        "Unable to Create CHeighwayView !!! Please Contact Korvat to Report Error ..."};
    QCOMPARE(m_pEnvironment->messages.m_texts, expected);
    QCOMPARE(frame.GetOutputWnd().GetLineCount(), 1);
    QVERIFY(!frame.SwitchToFractal(3));
    QCOMPARE(frame.GetOutputWnd().GetLineCount(), 1);
    QVERIFY(frame.SwitchToFractal(4));
    QCOMPARE(frame.GetOutputWnd().GetLineCount(), 2);
}

void CMainFrameTest::tabRowHasNoGap_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("Heighway to Von Koch") << 9 << 0;
    QTest::newRow("Peano to Hilbert") << 7 << 2;
    QTest::newRow("Mandelbrot to Von Koch") << 1 << 0;
    QTest::newRow("Von Koch to Square") << 0 << 8;
}

void CMainFrameTest::tabRowHasNoGap() {
    QFETCH(int, from);
    QFETCH(int, to);
    for (int nPosition : {from, to}) {
        const CFractalInfo& info = FractalCatalog()[std::size_t(nPosition)];
        Frame()->ActivateCategory(info.pszTabName);
        QVERIFY(Frame()->SwitchToFractal(nPosition));
    }
    QTabBar* pTabs = Frame()->GetRibbon().GetTabBar();
    // Right after the switch, with no resize in between: each visible tab starts where the
    // one before it ends.
    int nRight = -1;
    QStringList visible;
    for (int i = 0; i < pTabs->count(); ++i) {
        if (!pTabs->isTabVisible(i)) {
            continue;
        }
        visible << pTabs->tabText(i);
        const QRect rcTab = pTabs->tabRect(i);
        if (nRight >= 0) {
            QVERIFY2(rcTab.left() <= nRight + 1, qPrintable(visible.join(u',')));
        }
        nRight = rcTab.right();
    }
    QCOMPARE(visible, (QStringList{"Nimbrel", FractalCatalog()[std::size_t(to)].pszTabName, "View",
                                   "Help"}));
    QVERIFY(nRight < pTabs->width());
}

void CMainFrameTest::tabKeyReachesEveryControlOfTheVisibleTab_data() {
    QTest::addColumn<int>("position");
    for (const CFractalInfo& info : FractalCatalog()) {
        QTest::newRow(info.pszRenderName) << info.nPosition;
    }
}

void CMainFrameTest::tabKeyReachesEveryControlOfTheVisibleTab() {
    QFETCH(int, position);
    const CFractalInfo& info = FractalCatalog()[std::size_t(position)];
    Frame()->ActivateCategory(info.pszTabName);
    QVERIFY(Frame()->SwitchToFractal(position));
    QApplication::setActiveWindow(Frame());
    auto* pPage = Frame()->GetRibbon().findChild<QWidget*>(QString::fromLatin1(info.pszTabName));
    QVERIFY(pPage != nullptr && pPage->isVisible());
    QSet<QWidget*> controls;
    for (QWidget* pWidget : pPage->findChildren<QWidget*>()) {
        const bool bControl = qobject_cast<QAbstractButton*>(pWidget) != nullptr ||
                              qobject_cast<QAbstractSlider*>(pWidget) != nullptr ||
                              qobject_cast<QLineEdit*>(pWidget) != nullptr;
        if (bControl && pWidget->isVisible() && pWidget->isEnabled()) {
            controls.insert(pWidget);
        }
    }
    QVERIFY(controls.size() >= 3);
    Frame()->GetSelectionPane().setFocus();
    QTRY_VERIFY(QApplication::focusWidget() != nullptr);
    QSet<QWidget*> reached;
    for (int nPress = 0; nPress < 400 && reached != controls; ++nPress) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (controls.contains(QApplication::focusWidget())) {
            reached.insert(QApplication::focusWidget());
        }
    }
    QStringList missed;
    for (QWidget* pWidget : controls) {
        if (!reached.contains(pWidget)) {
            missed << QString::fromLatin1(pWidget->metaObject()->className()) + u' ' +
                          pWidget->toolTip();
        }
    }
    QVERIFY2(missed.isEmpty(), qPrintable(missed.join(QStringLiteral("; "))));
}

void CMainFrameTest::narrowWindowCollapsesPanelsFromTheRight_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("collapsed"); // 0 none, 1 at least one, -1 as the width allows
    for (const int nPosition : {0, 2, 6, 9}) {
        const char* pszName = FractalCatalog()[std::size_t(nPosition)].pszRenderName;
        QTest::addRow("%s wide", pszName) << nPosition << 1400 << 0;
        QTest::addRow("%s 700", pszName) << nPosition << 700 << -1;
        QTest::addRow("%s 480", pszName) << nPosition << 480 << -1;
        QTest::addRow("%s 300", pszName)
            << nPosition << 300 << (nPosition == 0 || nPosition == 6 ? 1 : -1);
    }
}

void CMainFrameTest::narrowWindowCollapsesPanelsFromTheRight() {
    QFETCH(int, position);
    QFETCH(int, width);
    QFETCH(int, collapsed);
    const CFractalInfo& info = FractalCatalog()[std::size_t(position)];
    Frame()->ActivateCategory(info.pszTabName);
    QVERIFY(Frame()->SwitchToFractal(position));
    Frame()->resize(width, 600);
    QCoreApplication::processEvents();
    QTRY_VERIFY(Frame()->GetRibbon().width() <= qMax(width, Frame()->minimumWidth()));
    auto* pPage = Frame()->GetRibbon().findChild<QWidget*>(QString::fromLatin1(info.pszTabName));
    QVERIFY(pPage != nullptr && pPage->isVisible());

    // Collapsed panels are the rightmost ones.
    bool bCollapsedSeen = false;
    for (QWidget* pButton : pPage->findChildren<QWidget*>(QStringLiteral("RibbonCollapsedPanel"))) {
        if (pButton->isVisible()) {
            bCollapsedSeen = true;
        } else {
            QVERIFY2(!bCollapsedSeen, "an expanded panel stands right of a collapsed one");
        }
    }
    if (collapsed >= 0) {
        QCOMPARE(bCollapsedSeen, collapsed == 1);
    }

    // No text is cut: every label and button shows whole, inside the page.
    const QRect rcPage = pPage->rect();
    for (QWidget* pWidget : pPage->findChildren<QWidget*>()) {
        const bool bText = qobject_cast<QLabel*>(pWidget) != nullptr ||
                           qobject_cast<QAbstractButton*>(pWidget) != nullptr;
        if (!bText || !pWidget->isVisible() || pWidget->window() != Frame()) {
            continue;
        }
        const QRect rcWidget(pWidget->mapTo(pPage, QPoint(0, 0)), pWidget->size());
        const QString strWhat = QString::fromLatin1(pWidget->metaObject()->className()) + u' ' +
                                pWidget->toolTip() + u' ' +
                                (qobject_cast<QLabel*>(pWidget) != nullptr
                                     ? static_cast<QLabel*>(pWidget)->text()
                                     : static_cast<QAbstractButton*>(pWidget)->text());
        QVERIFY2(rcPage.contains(rcWidget), qPrintable(strWhat));
        QVERIFY2(pWidget->width() >= pWidget->minimumSizeHint().width(), qPrintable(strWhat));
    }
}

void CMainFrameTest::collapsedPanelDropsItsContentDown() {
    Frame()->resize(420, 600);
    QCoreApplication::processEvents();
    auto* pPage = Frame()->GetRibbon().findChild<QWidget*>(QStringLiteral("Von Koch SnowFlake"));
    QVERIFY(pPage != nullptr);
    QToolButton* pCopy = nullptr;
    for (auto* pButton :
         pPage->findChildren<QToolButton*>(QStringLiteral("RibbonCollapsedPanel"))) {
        if (pButton->toolTip() == QStringLiteral("Copy Image")) {
            pCopy = pButton;
        }
    }
    QVERIFY(pCopy != nullptr);
    QTRY_VERIFY(pCopy->isVisible());
    auto* pElement = Frame()->GetRibbon().FindByID(ID_VON_KOCH_CLIPBOARD);
    QVERIFY(!pElement->GetWidget()->isVisible());

    QTest::mouseClick(pCopy, Qt::LeftButton);
    QWidget* pPopup = pElement->GetWidget()->window();
    QVERIFY(pPopup != Frame());
    QTRY_VERIFY(pPopup->isVisible());
    QVERIFY(pElement->GetWidget()->isVisible());
    // The content works where it dropped down.
    QSignalSpy commands(&Frame()->GetRibbon(), &CRibbonBar::Command);
    QTest::mouseClick(static_cast<QToolButton*>(pElement->GetWidget()), Qt::LeftButton);
    QCOMPARE(commands.count(), 1);
    QCOMPARE(commands.at(0).at(0).toUInt(), UINT(ID_VON_KOCH_CLIPBOARD));

    // Closed, the content goes back; a wide window shows the panel in its place again.
    pPopup->hide();
    QCOMPARE(pElement->GetWidget()->window(), static_cast<QWidget*>(Frame()));
    Frame()->resize(1400, 600);
    QTRY_VERIFY(pElement->GetWidget()->isVisible());
    QVERIFY(!pCopy->isVisible());
}

QTEST_MAIN(CMainFrameTest)
#include "MainFrameTest.moc"
