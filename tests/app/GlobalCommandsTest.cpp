// SPDX-License-Identifier: MIT
// The main window's commands that belong to no view: the application looks and their marks,
// the status bar and output pane commands, the web pages, Exit, the accelerators, the
// window identifiers a switch exchanges, the selection pane's close button and the names a
// screen reader speaks.
#include <QAbstractButton>
#include <QActionGroup>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "app/NimbrelApp.h"
#include "app/PictureExport.h"
#include "app/PicturePrinter.h"
#include "platform/ui/AppLooks.h"
#include "platform/ui/RibbonKeyTips.h"
#include "platform/ui/ViewWindow.h"
#include "resources/Menus.h"
#include "resources/Resource.h"
#include "settings/ProgramSettings.h"
#include "settings/RegistryFunctions.h"
#include "settings/StoreKeys.h"

class CGlobalCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void withoutStoredLookTheDefaultLookAndNoStyleMark();
    void eachLookIsStoredMarkedAndLooksItsOwn();
    void storedLookIsAppliedAtStartUp_data();
    void storedLookIsAppliedAtStartUp();
    void windows7RibbonLookGoesWithAnOffice2007Style();
    void hiddenOutputPaneIsShownByTheToggle();
    void closedOutputPaneComesBackAfterARestart();
    void statusBarCommandsLeaveTheOutputPaneAsItWas_data();
    void statusBarCommandsLeaveTheOutputPaneAsItWas();
    void statusBarAndOutputPaneMenuMarks();
    void webCommandsOpenTheirPages_data();
    void webCommandsOpenTheirPages();
    void exitClosesLikeTheSystemClose();
    void everyAcceleratorSendsItsIdentifier();
    void switchExchangesTheWindowIdentifiers();
    void selectionPaneCloseButtonIsRefused();
    void ribbonControlsHaveSpokenNames();
    void splitButtonRunsItsCommandAndOpensItsMenuFromTheArrow();
    void altShowsTheKeyTipsAndAKeyRunsItsTip();

private:
    CMainFrame* Start();
    CMainFrame* Frame() const { return m_pApp->GetMainFrame(); }
    QToolButton* StyleButton() const;
    QImage RibbonShot() const;
    static DWORD OutputPaneVisibleValue();

    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
    std::unique_ptr<CNimbrelApp> m_pApp;
    std::vector<std::string> m_opened;
};

void CGlobalCommandsTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    m_opened.clear();
}

void CGlobalCommandsTest::cleanup() {
    m_pApp.reset();
    m_pEnvironment.reset();
}

CMainFrame* CGlobalCommandsTest::Start() {
    m_pApp = std::make_unique<CNimbrelApp>();
    m_pApp->SetWebPageOpener([this](const std::string& strAddress) {
        m_opened.push_back(strAddress);
        return 42;
    });
    if (!m_pApp->InitInstance()) {
        return nullptr;
    }
    return Frame();
}

QToolButton* CGlobalCommandsTest::StyleButton() const {
    for (QToolButton* pButton : Frame()->GetRibbon().findChildren<QToolButton*>()) {
        if (pButton->text() == QStringLiteral("Style")) {
            return pButton;
        }
    }
    return nullptr;
}

QImage CGlobalCommandsTest::RibbonShot() const {
    return Frame()->GetRibbon().grab().toImage();
}

DWORD CGlobalCommandsTest::OutputPaneVisibleValue() {
    DWORD dwValue = 99;
    if (ReadRegistryDword(kParameterKey, "OutputPaneVisible", dwValue) != 0) {
        return 99;
    }
    return dwValue;
}

void CGlobalCommandsTest::withoutStoredLookTheDefaultLookAndNoStyleMark() {
    QVERIFY(Start() != nullptr);
    QCOMPARE(m_pApp->m_nAppLook, UINT(ID_VIEW_APPLOOK_VS_2008));
    QCOMPARE(GetInstalledAppLook(), UINT(ID_VIEW_APPLOOK_VS_2008));
    QToolButton* pStyle = StyleButton();
    QVERIFY(pStyle != nullptr && pStyle->menu() != nullptr);
    QCOMPARE(pStyle->menu()->actions().size(), 5);
    for (const QAction* pAction : pStyle->menu()->actions()) {
        QVERIFY2(!pAction->isChecked(), qPrintable(pAction->text()));
        // Drawn as radio items.
        QVERIFY(pAction->actionGroup() != nullptr && pAction->actionGroup()->isExclusive());
    }
}

void CGlobalCommandsTest::eachLookIsStoredMarkedAndLooksItsOwn() {
    QVERIFY(Start() != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(Frame()));
    std::vector<std::pair<UINT, QImage>> shots;
    for (UINT nLook = kFirstAppLook; nLook <= kLastAppLook; ++nLook) {
        Frame()->RouteCommand(nLook);
        QCOMPARE(ReadApplicationLook(), int(nLook));
        QCOMPARE(m_pApp->m_nAppLook, nLook);
        QCOMPARE(Frame()->IsSmartDocking(), nLook >= 208);
        QString lookText =
            nLook == ID_VIEW_APPLOOK_WINDOWS_7 ? QStringLiteral("Win&dows 7") : QString();
        for (const CMenuItemData& item : ApplicationLookMenu()) {
            if (item.nID == nLook) {
                lookText = QString::fromLatin1(item.pszText);
            }
        }
        for (const QAction* pAction : StyleButton()->menu()->actions()) {
            QVERIFY2(pAction->isChecked() == (pAction->text() == lookText),
                     qPrintable(pAction->text()));
        }
        if (nLook >= 211 && nLook <= 214) {
            continue; // an Office 2007 colour style left as it is
        }
        const QImage shot = RibbonShot();
        for (const auto& [nOther, other] : shots) {
            QVERIFY2(shot != other,
                     qPrintable(QStringLiteral("%1 looks like %2").arg(nLook).arg(nOther)));
        }
        shots.emplace_back(nLook, shot);
    }
    // The palette changes with the look too.
    Frame()->RouteCommand(ID_VIEW_APPLOOK_WIN_2000);
    const QColor classic = QApplication::palette().color(QPalette::Window);
    Frame()->RouteCommand(ID_VIEW_APPLOOK_OFF_2007_BLUE);
    QVERIFY(QApplication::palette().color(QPalette::Window) != classic);
}

void CGlobalCommandsTest::storedLookIsAppliedAtStartUp_data() {
    QTest::addColumn<int>("look");
    for (int nLook = 205; nLook <= 219; nLook += 7) {
        QTest::addRow("%d", nLook) << nLook;
    }
    QTest::addRow("out of range") << 4711;
}

void CGlobalCommandsTest::storedLookIsAppliedAtStartUp() {
    QFETCH(int, look);
    WriteApplicationLook(look);
    QVERIFY(Start() != nullptr);
    const UINT nExpected = IsAppLook(UINT(look)) ? UINT(look) : UINT(ID_VIEW_APPLOOK_VS_2008);
    QCOMPARE(GetInstalledAppLook(), nExpected);
    QCOMPARE(HasRibbonWindows7Look(&Frame()->GetRibbon()), look == ID_VIEW_APPLOOK_WINDOWS_7);
}

void CGlobalCommandsTest::windows7RibbonLookGoesWithAnOffice2007Style() {
    QVERIFY(Start() != nullptr);
    QVERIFY(!HasRibbonWindows7Look(&Frame()->GetRibbon()));
    Frame()->RouteCommand(ID_VIEW_APPLOOK_WINDOWS_7);
    QVERIFY(HasRibbonWindows7Look(&Frame()->GetRibbon()));
    for (const UINT nLook : {ID_VIEW_APPLOOK_OFF_2007_BLACK, ID_VIEW_APPLOOK_OFF_2007_AQUA}) {
        Frame()->RouteCommand(nLook);
        QVERIFY(!HasRibbonWindows7Look(&Frame()->GetRibbon()));
        Frame()->RouteCommand(ID_VIEW_APPLOOK_WINDOWS_7);
    }
}

void CGlobalCommandsTest::hiddenOutputPaneIsShownByTheToggle() {
    QVERIFY(Start() != nullptr);
    COutputWnd& pane = Frame()->GetOutputWnd();
    QVERIFY(pane.isVisible());
    Frame()->RouteCommand(ID_HIDE_OUTPUT_PANE);
    QVERIFY(!pane.isVisible());
    QCOMPARE(OutputPaneVisibleValue(), DWORD(0));
    Frame()->RouteCommand(ID_TOOGLE_OUTPUT_PANE);
    QVERIFY(pane.isVisible());
    QCOMPARE(OutputPaneVisibleValue(), DWORD(1));
    QCOMPARE(Frame()->dockWidgetArea(&pane), Qt::BottomDockWidgetArea);
    Frame()->RouteCommand(ID_TOOGLE_OUTPUT_PANE);
    QVERIFY(!pane.isVisible());
    QCOMPARE(OutputPaneVisibleValue(), DWORD(0));
}

void CGlobalCommandsTest::closedOutputPaneComesBackAfterARestart() {
    QVERIFY(Start() != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(Frame()));
    // Floating and then closed: the worst the stored layout can hold.
    Frame()->GetOutputWnd().setFloating(true);
    QVERIFY(Frame()->GetOutputWnd().close());
    m_pApp.reset();

    QVERIFY(Start() != nullptr);
    COutputWnd& pane = Frame()->GetOutputWnd();
    QVERIFY(!pane.isVisible());
    Frame()->RouteCommand(ID_VIEW_OUTPUT_PANE);
    QVERIFY(pane.isVisible());
    QVERIFY(!pane.isFloating());
    QCOMPARE(Frame()->dockWidgetArea(&pane), Qt::BottomDockWidgetArea);
    QCOMPARE(pane.GetLineCount(), 2);
    QVERIFY(pane.GetLine(1).find("Switch to View of Von Koch Curve.") != std::string::npos);
    QVERIFY(pane.height() > 20);
}

void CGlobalCommandsTest::statusBarCommandsLeaveTheOutputPaneAsItWas_data() {
    QTest::addColumn<bool>("outputVisible");
    QTest::addColumn<QList<UINT>>("commands");
    QTest::addColumn<bool>("statusVisible");
    const QList<UINT> hideShow{ID_HIDE_STATUS_BAR, ID_VIEW_STATUS_BAR};
    const QList<UINT> toggle{ID_TOGGLE_STATUS_BAR};
    const QList<UINT> toggleTwice{ID_TOGGLE_STATUS_BAR, ID_TOGGLE_STATUS_BAR};
    QTest::newRow("shown pane, hide then show") << true << hideShow << true;
    QTest::newRow("hidden pane, hide then show") << false << hideShow << true;
    QTest::newRow("shown pane, toggle") << true << toggle << false;
    QTest::newRow("hidden pane, toggle") << false << toggle << false;
    QTest::newRow("shown pane, toggle twice") << true << toggleTwice << true;
}

void CGlobalCommandsTest::statusBarCommandsLeaveTheOutputPaneAsItWas() {
    QFETCH(bool, outputVisible);
    QFETCH(QList<UINT>, commands);
    QFETCH(bool, statusVisible);
    QVERIFY(Start() != nullptr);
    COutputWnd& pane = Frame()->GetOutputWnd();
    if (!outputVisible) {
        Frame()->RouteCommand(ID_HIDE_OUTPUT_PANE);
    }
    for (const UINT nID : commands) {
        Frame()->RouteCommand(nID);
    }
    QCOMPARE(Frame()->GetStatusBar().isVisible(), statusVisible);
    QCOMPARE(pane.isVisible(), outputVisible);
    QVERIFY(!pane.isFloating());
    QCOMPARE(Frame()->dockWidgetArea(&pane), Qt::BottomDockWidgetArea);
}

void CGlobalCommandsTest::statusBarAndOutputPaneMenuMarks() {
    QVERIFY(Start() != nullptr);
    const auto checked = [this](UINT nID) {
        CCmdUI cmdUI(nID);
        return Frame()->RouteCmdUI(&cmdUI) && cmdUI.m_nCheck != 0;
    };
    QVERIFY(checked(ID_VIEW_STATUS_BAR) && !checked(ID_HIDE_STATUS_BAR));
    QVERIFY(checked(ID_VIEW_OUTPUT_PANE) && !checked(ID_HIDE_OUTPUT_PANE));
    Frame()->RouteCommand(ID_HIDE_STATUS_BAR);
    Frame()->RouteCommand(ID_HIDE_OUTPUT_PANE);
    QVERIFY(!checked(ID_VIEW_STATUS_BAR) && checked(ID_HIDE_STATUS_BAR));
    QVERIFY(!checked(ID_VIEW_OUTPUT_PANE) && checked(ID_HIDE_OUTPUT_PANE));
}

void CGlobalCommandsTest::webCommandsOpenTheirPages_data() {
    QTest::addColumn<UINT>("command");
    QTest::addColumn<QString>("address");
    QTest::newRow("Feedback and Support")
        << UINT(ID_FEEDBACK)
        << "http://www.korvat.com/applications/nimbrel/nimbrel_feedback_support.php";
    QTest::newRow("Nimbrel on Korvat")
        << UINT(ID_KORVAT) << "http://www.korvat.com/applications/nimbrel/nimbrel.php";
    QTest::newRow("Korvat Support")
        << UINT(ID_KORVAT_SUPPORT)
        << "http://www.korvat.com/applications/tessamo/tessamo.php#support";
}

void CGlobalCommandsTest::webCommandsOpenTheirPages() {
    QFETCH(UINT, command);
    QFETCH(QString, address);
    QVERIFY(Start() != nullptr);
    Frame()->RouteCommand(command);
    QCOMPARE(m_opened, std::vector<std::string>{address.toStdString()});
    QVERIFY(m_pEnvironment->messages.m_texts.empty());
}

void CGlobalCommandsTest::exitClosesLikeTheSystemClose() {
    QVERIFY(Start() != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(Frame()));
    QSignalSpy destroyed(Frame(), &QObject::destroyed);
    Frame()->RouteCommand(ID_EXIT_APP);
    QTRY_COMPARE(destroyed.count(), 1);
    QVERIFY(m_pApp->GetMainFrame() == nullptr);
    QVERIFY(ReadWindowPlacement().has_value());
    QVERIFY(ReadDockingState().has_value());
    for (const char* pszName :
         {kVonKochSettings, kMandelbrotSettings, kHilbertSettings, kCesaroSettings,
          kMinkowskiSettings, kSierpinskiSettings, kSierpinskiObjSettings, kPeanoSettings,
          kSquareSettings, kHeighwaySettings}) {
        QVERIFY2(ReadViewSettings(pszName).has_value(), pszName);
    }
}

void CGlobalCommandsTest::everyAcceleratorSendsItsIdentifier() {
    QVERIFY(Start() != nullptr);
    Frame()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Frame()));
    QSignalSpy routed(Frame(), &CMainFrame::CommandRouted);
    // Save and Print are answered by cancelling their dialogs.
    int nDialogs = 0;
    const CSaveFileChooser previousChooser =
        SetSaveFileChooser([&nDialogs](QWidget*, const QString&, const QString&, QString*) {
            ++nDialogs;
            return QString();
        });
    CPrintHooks hooks;
    hooks.fnPrintDialog = [&nDialogs](QPrinter&, QWidget*) {
        ++nDialogs;
        return false;
    };
    const CPrintHooks previousHooks = SetPrintHooks(hooks);
    for (const CAcceleratorData& accelerator : FrameAccelerators()) {
        routed.clear();
        Frame()->setFocus();
        QTest::keySequence(Frame(), QKeySequence(QString::fromLatin1(accelerator.pszKey)));
        QVERIFY2(routed.size() == 1, accelerator.pszKey);
        QCOMPARE(routed.front().front().value<UINT>(), accelerator.nID);
    }
    SetSaveFileChooser(previousChooser);
    SetPrintHooks(previousHooks);
    QCOMPARE(nDialogs, 2);
    // Nobody handles the others: nothing happened.
    QVERIFY(m_pEnvironment->messages.m_texts.empty());
    QVERIFY(Frame()->isVisible());
}

void CGlobalCommandsTest::switchExchangesTheWindowIdentifiers() {
    QVERIFY(Start() != nullptr);
    // After start-up the Von Koch view carries the main pane's identifier.
    QCOMPARE(Frame()->GetWindowID(Frame()->GetViewWindow(0)), UINT(AFX_IDW_PANE_FIRST));
    for (int nPosition = 1; nPosition < kFractalCount; ++nPosition) {
        QCOMPARE(Frame()->GetWindowID(Frame()->GetViewWindow(nPosition)),
                 UINT(ID_FIRST_VIEW_WINDOW + nPosition));
    }
    QVERIFY(Frame()->SwitchToFractal(3));
    QCOMPARE(Frame()->GetWindowID(Frame()->GetViewWindow(3)), UINT(AFX_IDW_PANE_FIRST));
    QCOMPARE(Frame()->GetWindowID(Frame()->GetViewWindow(0)), UINT(ID_FIRST_VIEW_WINDOW + 3));
    QVERIFY(Frame()->SwitchToFractal(0));
    QCOMPARE(Frame()->GetWindowID(Frame()->GetViewWindow(0)), UINT(AFX_IDW_PANE_FIRST));
    QCOMPARE(Frame()->GetWindowID(Frame()->GetViewWindow(3)), UINT(ID_FIRST_VIEW_WINDOW + 3));
    // The same view again: it keeps the main pane's identifier.
    QVERIFY(Frame()->SwitchToFractal(0));
    QCOMPARE(Frame()->GetWindowID(Frame()->GetViewWindow(0)), UINT(AFX_IDW_PANE_FIRST));
}

void CGlobalCommandsTest::selectionPaneCloseButtonIsRefused() {
    QVERIFY(Start() != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(Frame()));
    CSelectionView& pane = Frame()->GetSelectionPane();
    QAbstractButton* pClose = nullptr;
    for (QAbstractButton* pButton : pane.findChildren<QAbstractButton*>()) {
        if (pButton->objectName() == QLatin1String("qt_dockwidget_closebutton")) {
            pClose = pButton;
        }
    }
    QVERIFY(pClose != nullptr);
    QVERIFY(pClose->isVisible());
    pClose->click();
    QVERIFY(pane.isVisible());
    QCOMPARE(m_pEnvironment->messages.m_texts,
             std::vector<std::string>{"Fractal Selection View Can NOT be closed !!!"});
}

void CGlobalCommandsTest::ribbonControlsHaveSpokenNames() {
    QVERIFY(Start() != nullptr);
    QStringList sliderNames;
    for (const QSlider* pSlider : Frame()->GetRibbon().findChildren<QSlider*>()) {
        QVERIFY(!pSlider->accessibleName().isEmpty());
        sliderNames << pSlider->accessibleName();
    }
    QVERIFY(sliderNames.contains(QStringLiteral("Recursion Level")));
    QVERIFY(sliderNames.contains(QStringLiteral("Similarity Ratio")));
    for (const QLineEdit* pEdit : Frame()->GetRibbon().findChildren<QLineEdit*>()) {
        QVERIFY(!pEdit->accessibleName().trimmed().isEmpty());
        QVERIFY(!pEdit->accessibleName().contains(QChar(0xA0)));
    }
    bool bColourButton = false;
    for (const QToolButton* pButton : Frame()->GetRibbon().findChildren<QToolButton*>()) {
        QVERIFY(!pButton->accessibleName().contains(u'\n'));
        bColourButton |= pButton->text().contains(u'\n') &&
                         pButton->accessibleName() == QStringLiteral("Curve and Background Color");
    }
    QVERIFY(bColourButton);
}

void CGlobalCommandsTest::splitButtonRunsItsCommandAndOpensItsMenuFromTheArrow() {
    QVERIFY(Start() != nullptr);
    for (QToolButton* pButton : Frame()->GetRibbon().findChildren<QToolButton*>()) {
        if (pButton->text() != QStringLiteral("Status bar") &&
            pButton->text() != QStringLiteral("Output Pane")) {
            continue;
        }
        QCOMPARE(pButton->popupMode(), QToolButton::MenuButtonPopup);
        QVERIFY(pButton->menu() != nullptr);
        QCOMPARE(pButton->menu()->actions().size(), 2);
        QSignalSpy routed(Frame(), &CMainFrame::CommandRouted);
        pButton->click();
        QCOMPARE(routed.size(), 1);
        const UINT nID = routed.front().front().value<UINT>();
        QVERIFY(nID == ID_TOGGLE_STATUS_BAR || nID == ID_TOOGLE_OUTPUT_PANE);
    }
    QVERIFY(!Frame()->GetStatusBar().isVisible());
    QVERIFY(!Frame()->GetOutputWnd().isVisible());
}

void CGlobalCommandsTest::altShowsTheKeyTipsAndAKeyRunsItsTip() {
    QVERIFY(Start() != nullptr);
    Frame()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Frame()));
    CRibbonKeyTips* pTips = Frame()->GetKeyTips();
    QVERIFY(pTips != nullptr && !pTips->IsShown());
    QTest::keyClick(Frame(), Qt::Key_Alt);
    QVERIFY(pTips->IsShown());
    // The application button, "Nimbrel", "Von Koch SnowFlake", "View", "Help", then the
    // "Style" menu and the Help button.
    QCOMPARE(pTips->ShownKeys(), QStringLiteral("FAVIHSA"));
    QTest::keyClick(Frame(), Qt::Key_H);
    QVERIFY(!pTips->IsShown());
    QCOMPARE(Frame()->GetRibbon().GetActiveCategory(), Frame()->GetRibbon().FindCategory("Help"));
    // Alt again, then Escape: put away, nothing run.
    QTest::keyClick(Frame(), Qt::Key_Alt);
    QVERIFY(pTips->IsShown());
    QTest::keyClick(Frame(), Qt::Key_Escape);
    QVERIFY(!pTips->IsShown());
    // Alt held for a chord shows nothing.
    QTest::keyClick(Frame(), Qt::Key_Backspace, Qt::AltModifier);
    QVERIFY(!pTips->IsShown());
}

QTEST_MAIN(CGlobalCommandsTest)
#include "GlobalCommandsTest.moc"
