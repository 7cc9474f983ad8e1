// SPDX-License-Identifier: MIT
// Commands from the ribbon reach the visible view and nothing else: slider moves (while
// dragging), check boxes whose marks follow the record, the Heighway folding code.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "app/NimbrelApp.h"
#include "platform/ui/RibbonButton.h"
#include "platform/ui/RibbonCheckBox.h"
#include "platform/ui/RibbonEdit.h"
#include "platform/ui/RibbonSlider.h"
#include "platform/ui/ViewWindow.h"
#include "platform/ui/ColorBar.h"
#include "resources/Resource.h"
#include "settings/ProgramSettings.h"
#include "views/ColourDialogRunner.h"
#include "views/NimbrelBaseView.h"
#include "views/qt/SetColourDlg.h"
#include "views/qt/SetColourDlgRunner.h"

namespace {

// Counts the paints a widget receives.
class CPaintCounter : public QObject {
public:
    explicit CPaintCounter(QWidget* pWidget) { pWidget->installEventFilter(this); }
    int m_nPaints = 0;

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Paint) {
            ++m_nPaints;
        }
        return false;
    }
};

} // namespace

class CViewCommandTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sliderDragChangesOnlyTheVisibleViewAndRepaints();
    void commandsOfHiddenViewsAreNotRouted();
    void shownViewPutsItsValuesOnTheSliders();
    void orientationMarksFollowTheRecord_data();
    void orientationMarksFollowTheRecord();
    void heighwayCodeKeepsSixteenCharacters();
    void colourCommandChangesTheVisibleViewOnlyAndNotTheStore();
    void typedNumberTakesEffect_data();
    void typedNumberTakesEffect();
    void heighwayCodeTakesEffectBeforeAnotherCommand_data();
    void heighwayCodeTakesEffectBeforeAnotherCommand();

private:
    CMainFrame* Frame() const { return m_pApp->GetMainFrame(); }
    void ShowFractal(int nPosition);
    template <class Element> Element* Find(UINT nID) const {
        auto* pElement = dynamic_cast<Element*>(Frame()->GetRibbon().FindByID(nID));
        if (pElement == nullptr) {
            qFatal("no ribbon element %u of the kind asked for", nID);
        }
        return pElement;
    }

    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
    std::unique_ptr<CNimbrelApp> m_pApp;
};

void CViewCommandTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    m_pApp = std::make_unique<CNimbrelApp>();
    QVERIFY(m_pApp->InitInstance());
    QVERIFY(QTest::qWaitForWindowExposed(Frame()));
}

void CViewCommandTest::cleanup() {
    SetColourDialogRunner({});
    m_pApp.reset();
    m_pEnvironment.reset();
}

void CViewCommandTest::ShowFractal(int nPosition) {
    Frame()->ActivateCategory(FractalCatalog()[std::size_t(nPosition)].pszTabName);
    QVERIFY(Frame()->SwitchToFractal(nPosition));
}

void CViewCommandTest::sliderDragChangesOnlyTheVisibleViewAndRepaints() {
    std::vector<int> levels;
    for (int i = 0; i < kFractalCount; ++i) {
        levels.push_back(Frame()->GetView(i)->m_nLevel);
    }
    CPaintCounter paints(Frame()->GetViewWindow(0)->GetCanvas());
    QSlider* pSlider = Find<CRibbonSlider>(ID_VON_KOCH_SLIDER_RECURSION)->GetSlider();
    auto* pEdit = Find<CRibbonEdit>(ID_VONKOCH_RECURSION);

    pSlider->setSliderDown(true);
    for (int nLevel : {3, 9, 2}) {
        const int nPaintsBefore = paints.m_nPaints;
        pSlider->setSliderPosition(nLevel);
        QCOMPARE(Frame()->GetView(0)->m_nLevel, nLevel);
        QCOMPARE(pEdit->GetEditText(), std::to_string(nLevel));
        QTRY_VERIFY(paints.m_nPaints > nPaintsBefore);
    }
    pSlider->setSliderDown(false);

    QCOMPARE(pEdit->GetTextAlign(), int(ES_CENTER));
    QCOMPARE(pEdit->GetLabel(), std::string(12, '\xA0'));
    levels[0] = 2;
    for (int i = 0; i < kFractalCount; ++i) {
        QCOMPARE(Frame()->GetView(i)->m_nLevel, levels[std::size_t(i)]);
    }
}

void CViewCommandTest::commandsOfHiddenViewsAreNotRouted() {
    ShowFractal(1);
    const int nVonKochFrame = Frame()->GetView(0)->m_nFrame;
    Frame()->RouteCommand(ID_VON_KOCH_FRAME_SQUARE);
    QCOMPARE(Frame()->GetView(0)->m_nFrame, nVonKochFrame);
    Frame()->RouteCommand(ID_MANDELBROT_FRAME_SQUARE);
    QCOMPARE(Frame()->GetView(1)->m_nFrame, 4);
    // The hidden tab's elements are not found: the views' helpers skip them.
    QVERIFY(Frame()->GetRibbon().FindSlider(ID_VON_KOCH_SLIDER_RECURSION) == nullptr);
}

void CViewCommandTest::shownViewPutsItsValuesOnTheSliders() {
    ShowFractal(1);
    CNimbrelBaseView* pVonKoch = Frame()->GetView(0);
    pVonKoch->m_nLevel = 7;
    pVonKoch->m_nParam2 = 5000; // above the slider's range: the slider stops at its end
    ShowFractal(0);
    QCOMPARE(Find<CRibbonSlider>(ID_VON_KOCH_SLIDER_RECURSION)->GetPos(), 7);
    QCOMPARE(Find<CRibbonSlider>(ID_VON_KOCH_SLIDER_SIMILARITY)->GetPos(), 1000);
    QCOMPARE(Find<CRibbonEdit>(ID_VON_KOCH_SIMILARITY)->GetEditText(), std::string("5000"));
    QCOMPARE(pVonKoch->m_nParam2, 5000);
}

void CViewCommandTest::orientationMarksFollowTheRecord_data() {
    QTest::addColumn<UINT>("command");
    QTest::addColumn<int>("param1");
    QTest::newRow("Inside") << UINT(ID_VON_KOCH_CHECK_INSIDE) << -1;
    QTest::newRow("Random") << UINT(ID_VON_KOCH_CHECK_RANDOM) << 2;
    QTest::newRow("Outside") << UINT(ID_VON_KOCH_CHECK_OUTSIDE) << 1;
}

void CViewCommandTest::orientationMarksFollowTheRecord() {
    QFETCH(UINT, command);
    QFETCH(int, param1);
    const struct {
        UINT nID;
        int nParam1;
    } boxes[] = {{ID_VON_KOCH_CHECK_OUTSIDE, 1},
                 {ID_VON_KOCH_CHECK_INSIDE, -1},
                 {ID_VON_KOCH_CHECK_RANDOM, 2}};
    // The stored default is Outside.
    for (const auto& box : boxes) {
        QCOMPARE(Find<CRibbonCheckBox>(box.nID)->IsChecked(), box.nParam1 == 1);
    }
    // Clicking a box that shows its mark already keeps the mark: it comes from the record.
    for (int nClick = 0; nClick < 2; ++nClick) {
        QTest::mouseClick(Find<CRibbonCheckBox>(command)->GetCheckBox(), Qt::LeftButton);
        QCOMPARE(Frame()->GetView(0)->m_nParam1, param1);
        for (const auto& box : boxes) {
            QCOMPARE(Find<CRibbonCheckBox>(box.nID)->IsChecked(), box.nParam1 == param1);
        }
    }
    // A value no box stands for leaves them all unmarked.
    Frame()->GetView(0)->m_nParam1 = 7;
    Frame()->UpdateRibbonCmdUI();
    for (const auto& box : boxes) {
        QVERIFY(!Find<CRibbonCheckBox>(box.nID)->IsChecked());
    }
}

void CViewCommandTest::heighwayCodeKeepsSixteenCharacters() {
    ShowFractal(9);
    QLineEdit* pEdit = Find<CRibbonEdit>(ID_HEIGHWAY_CODE)->GetLineEdit();
    pEdit->setFocus();
    pEdit->clear();
    QTest::keyClicks(pEdit, QStringLiteral("01101001100101101111"));
    QTest::keyClick(pEdit, Qt::Key_Return);
    CNimbrelBaseView* pHeighway = Frame()->GetView(9);
    QCOMPARE(pHeighway->m_strFoldCode, std::string("0110100110010110"));
    QCOMPARE(pHeighway->m_nParam1, 16);
    QCOMPARE(pEdit->text(), QStringLiteral("0110100110010110"));

    pEdit->clear();
    QTest::keyClicks(pEdit, QStringLiteral("101"));
    QTest::keyClick(pEdit, Qt::Key_Return);
    QCOMPARE(pHeighway->m_strFoldCode, std::string("101"));
    QCOMPARE(pHeighway->m_nParam1, 3);
}

// The ribbon's colour button opens the dialog for the visible view; on OK its colours and
// fading change and nothing else, and no settings string is written until the program ends.
void CViewCommandTest::colourCommandChangesTheVisibleViewOnlyAndNotTheStore() {
    ShowFractal(4);
    const auto Stored = [this] {
        std::vector<std::string> settings;
        for (int i = 0; i < kFractalCount; ++i) {
            settings.push_back(
                ReadViewSettings(Frame()->GetView(i)->GetSettingsName()).value_or("<none>"));
        }
        return settings;
    };
    const std::vector<std::string> store = Stored();
    std::vector<std::string> records;
    for (int i = 0; i < kFractalCount; ++i) {
        records.push_back(Frame()->GetView(i)->FormatSettings("record"));
    }
    int nRuns = 0;
    InstallSetColourDlgRunner([&nRuns](CSetColourDlg& dlg) {
        ++nRuns;
        dlg.OnInitDialog();
        QTest::mouseClick(dlg.m_wndCurveBar, Qt::LeftButton, {},
                          dlg.m_wndCurveBar->CellRect(0).center());
        QTest::mouseClick(dlg.m_btnFading6, Qt::LeftButton);
        QTest::mouseClick(dlg.m_btnOK, Qt::LeftButton);
        return dlg.result() == QDialog::Accepted ? IDOK : IDCANCEL;
    });

    Frame()->RouteCommand(ID_VON_KOCH_COLOR);
    QCOMPARE(nRuns, 0);
    Frame()->RouteCommand(ID_MINKOWSKI_COLOR);
    QCOMPARE(nRuns, 1);
    CNimbrelBaseView* pMinkowski = Frame()->GetView(4);
    QCOMPARE(pMinkowski->m_crCurve, RGB(0, 0, 0));
    QCOMPARE(pMinkowski->m_Background.m_nFading, 6);
    for (int i = 0; i < kFractalCount; ++i) {
        if (i != 4) {
            QCOMPARE(Frame()->GetView(i)->FormatSettings("record"), records[std::size_t(i)]);
        }
    }
    QCOMPARE(Stored(), store);
}

void CViewCommandTest::typedNumberTakesEffect_data() {
    QTest::addColumn<UINT>("slider");
    QTest::addColumn<UINT>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("leaveByFocus");
    QTest::addColumn<int>("expected"); // -1: the value before stays
    const UINT kLevel = ID_VON_KOCH_SLIDER_RECURSION;
    const UINT kLevelEdit = ID_VONKOCH_RECURSION;
    const UINT kRatio = ID_VON_KOCH_SLIDER_SIMILARITY;
    const UINT kRatioEdit = ID_VON_KOCH_SIMILARITY;
    QTest::newRow("level, Return") << kLevel << kLevelEdit << "7" << false << 7;
    QTest::newRow("level, leaving the box") << kLevel << kLevelEdit << "2" << true << 2;
    QTest::newRow("level above the range") << kLevel << kLevelEdit << "25" << false << 10;
    QTest::newRow("level below the range") << kLevel << kLevelEdit << "-4" << false << 1;
    QTest::newRow("level, not a number") << kLevel << kLevelEdit << "seven" << false << -1;
    QTest::newRow("level, empty") << kLevel << kLevelEdit << "" << true << -1;
    QTest::newRow("ratio, Return") << kRatio << kRatioEdit << "640" << false << 640;
    QTest::newRow("ratio, spaces around") << kRatio << kRatioEdit << " 333 " << true << 333;
    QTest::newRow("ratio above the range")
        << kRatio << kRatioEdit << "99999999999" << false << 1000;
    QTest::newRow("ratio below the range") << kRatio << kRatioEdit << "3" << false << 150;
    QTest::newRow("ratio, not a number") << kRatio << kRatioEdit << "4e2" << true << -1;
}

void CViewCommandTest::typedNumberTakesEffect() {
    QFETCH(UINT, slider);
    QFETCH(UINT, edit);
    QFETCH(QString, typed);
    QFETCH(bool, leaveByFocus);
    QFETCH(int, expected);
    CNimbrelBaseView* pView = Frame()->GetView(0);
    int& nMember = slider == ID_VON_KOCH_SLIDER_RECURSION ? pView->m_nLevel : pView->m_nParam2;
    const int nBefore = nMember;
    auto* pSlider = Find<CRibbonSlider>(slider);
    auto* pEdit = Find<CRibbonEdit>(edit);
    QCOMPARE(pEdit->GetEditText(), std::to_string(nBefore));
    QCoreApplication::processEvents(); // the paints of the start
    CPaintCounter paints(Frame()->GetViewWindow(0)->GetCanvas());

    QLineEdit* pLine = pEdit->GetLineEdit();
    pLine->setFocus();
    pLine->selectAll();
    QTest::keyClick(pLine, Qt::Key_Delete);
    QTest::keyClicks(pLine, typed);
    if (leaveByFocus) {
        Find<CRibbonSlider>(ID_VON_KOCH_SLIDER_RECURSION)->GetSlider()->setFocus();
        if (pSlider->GetSlider()->hasFocus()) {
            Frame()->GetSelectionPane().setFocus();
        }
        QTRY_VERIFY(!pLine->hasFocus());
    } else {
        QTest::keyClick(pLine, Qt::Key_Return);
    }

    const int nInEffect = expected < 0 ? nBefore : expected;
    QCOMPARE(nMember, nInEffect);
    QCOMPARE(pSlider->GetPos(), nInEffect);
    QCOMPARE(pEdit->GetEditText(), std::to_string(nInEffect));
    if (expected >= 0 && expected != nBefore) {
        QTRY_VERIFY(paints.m_nPaints > 0);
    }
}

void CViewCommandTest::heighwayCodeTakesEffectBeforeAnotherCommand_data() {
    QTest::addColumn<bool>("byClipboardButton");
    QTest::newRow("To Clipboard clicked") << true;
    QTest::newRow("box left for the picture") << false;
}

void CViewCommandTest::heighwayCodeTakesEffectBeforeAnotherCommand() {
    QFETCH(bool, byClipboardButton);
    ShowFractal(9);
    CNimbrelBaseView* pHeighway = Frame()->GetView(9);
    QLineEdit* pEdit = Find<CRibbonEdit>(ID_HEIGHWAY_CODE)->GetLineEdit();
    // The commands in the order they were sent, with the code the view had after each.
    std::vector<std::pair<UINT, std::string>> commands;
    const QMetaObject::Connection connection =
        connect(&Frame()->GetRibbon(), &CRibbonBar::Command, this,
                [&](UINT nID) { commands.emplace_back(nID, pHeighway->m_strFoldCode); });
    const auto disconnect = qScopeGuard([&] { QObject::disconnect(connection); });
    pEdit->setFocus();
    pEdit->selectAll();
    QTest::keyClick(pEdit, Qt::Key_Delete);
    QTest::keyClicks(pEdit, QStringLiteral("11"));
    QCOMPARE(pHeighway->m_strFoldCode, std::string("10101111"));
    if (byClipboardButton) {
        auto* pButton = Find<CRibbonButton>(ID_HEIGHWAY_CLIPBOARD)->GetButton();
        QTest::mouseClick(pButton, Qt::LeftButton);
        const std::vector<std::pair<UINT, std::string>> expected = {{ID_HEIGHWAY_CODE, "11"},
                                                                    {ID_HEIGHWAY_CLIPBOARD, "11"}};
        QVERIFY(commands == expected);
    } else {
        Frame()->GetViewWindow(9)->GetCanvas()->setFocus();
        Frame()->GetSelectionPane().setFocus();
        QTRY_VERIFY(!pEdit->hasFocus());
    }
    QCOMPARE(pHeighway->m_strFoldCode, std::string("11"));
    QCOMPARE(pHeighway->m_nParam1, 2);
}

QTEST_MAIN(CViewCommandTest)
#include "ViewCommandTest.moc"
