// SPDX-License-Identifier: MIT
// The ribbon bar built from the layout data: its tabs and panels, the elements found by
// identifier among the visible categories and the quick-access toolbar, and how each kind
// of element sends its command and shows what the update handlers say.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "platform/ui/RibbonBar.h"
#include "platform/ui/RibbonButton.h"
#include "platform/ui/RibbonCheckBox.h"
#include "platform/ui/RibbonEdit.h"
#include "platform/ui/RibbonSlider.h"
#include "platform/ui/Text.h"
#include "resources/Resource.h"
#include "resources/RibbonLayout.h"

class CRibbonBarTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void panelsOfEveryCategory_data();
    void panelsOfEveryCategory();
    void slidersAndTheirEdits_data();
    void slidersAndTheirEdits();
    void heighwayFoldingPanel();
    void lookupSeesOnlyVisibleCategoriesAndTheQuickAccessBar();
    void categoriesAreShownHiddenAndActivated();
    void sliderSendsItsCommandWhileDraggedButNotWhenSet();
    void editSendsItsCommandWhenTheEditEnds();
    void sliderEditMovesItsSlider_data();
    void sliderEditMovesItsSlider();
    void pageStepsAreATenthOfTheRange_data();
    void pageStepsAreATenthOfTheRange();
    void typingIsAppliedBeforeAnyOtherCommand();
    void checkBoxMarksComeFromTheUpdateHandlers();
    void splitButtonAndItsMenuSendTheirCommands();
    void styleMenuShowsTheRadioMarkItIsGiven();
    void tooltipsShowTheElementsText_data();
    void tooltipsShowTheElementsText();

private:
    template <class Element> Element* Find(UINT nID) const {
        auto* pElement = dynamic_cast<Element*>(m_pRibbon->FindByID(nID, false));
        if (pElement == nullptr) {
            qFatal("no ribbon element %u of the kind asked for", nID);
        }
        return pElement;
    }

    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
    std::unique_ptr<CRibbonBar> m_pRibbon;
};

void CRibbonBarTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    m_pRibbon = std::make_unique<CRibbonBar>(RibbonLayout());
    m_pRibbon->resize(1200, 150);
    m_pRibbon->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pRibbon.get()));
}

void CRibbonBarTest::cleanup() {
    m_pRibbon.reset();
    m_pEnvironment.reset();
}

void CRibbonBarTest::panelsOfEveryCategory_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("panels");
    const QString kRecursion = QStringLiteral("Recursion Level");
    const QString kDisplay = QStringLiteral("Display Settings");
    const QString kCopy = QStringLiteral("Copy Image");
    QTest::newRow("Nimbrel") << "Nimbrel" << QStringList{"Nimbrel 2.0"};
    QTest::newRow("Von Koch") << "Von Koch SnowFlake"
                              << QStringList{kRecursion,    "Frame", "Similarity Ratio",
                                             "Orientation", "Grain", kDisplay,
                                             kCopy};
    QTest::newRow("Mandelbrot") << "Mandelbrot Curve"
                                << QStringList{kRecursion, "Frame", "Grain", kDisplay, kCopy};
    QTest::newRow("Hilbert") << "Hilbert Curve"
                             << QStringList{kRecursion, "Similarity Ratio", kDisplay, kCopy};
    QTest::newRow("Cesaro") << "Cesaro Curve" << QStringList{kRecursion, kDisplay, kCopy};
    QTest::newRow("Minkowski") << "Minkowski Sausage"
                               << QStringList{kRecursion, "Frame", kDisplay, kCopy};
    QTest::newRow("Sierpinski") << "Sierpinski Curve"
                                << QStringList{kRecursion, "Grain", kDisplay, kCopy};
    QTest::newRow("Sierpinski objects")
        << "Sierpinski Objects" << QStringList{kRecursion, "Frame", "Grain", kDisplay, kCopy};
    QTest::newRow("Peano") << "Peano Curve" << QStringList{kRecursion, "Grain", kDisplay, kCopy};
    QTest::newRow("Square") << "Square Curve" << QStringList{kRecursion, "Grain", kDisplay, kCopy};
    QTest::newRow("Heighway") << "Heighway Dragon" << QStringList{"Folding Data", kDisplay, kCopy};
    QTest::newRow("View") << "View" << QStringList{"", "", "Curve Selection Icons"};
    QTest::newRow("Help") << "Help" << QStringList{"", "", "", "", ""};
}

void CRibbonBarTest::panelsOfEveryCategory() {
    QFETCH(QString, category);
    QFETCH(QStringList, panels);
    const CRibbonLayoutData& layout = RibbonLayout();
    QCOMPARE(layout.nResourceID, UINT(IDR_RIBBON));
    const int nIndex = m_pRibbon->FindCategory(ToAnsi(category));
    QVERIFY(nIndex >= 0);
    QStringList names;
    for (const CRibbonPanelData& panel : layout.categories[std::size_t(nIndex)].panels) {
        names << FromAnsi(panel.pszName);
    }
    QCOMPARE(names, panels);
}

void CRibbonBarTest::slidersAndTheirEdits_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<UINT>("slider");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<UINT>("edit");
    QTest::addColumn<int>("width");
    const struct {
        const char* pszCategory;
        UINT nSlider;
        int nMin;
        int nMax;
        UINT nEdit;
        int nWidth;
    } rows[] = {
        {"Von Koch SnowFlake", ID_VON_KOCH_SLIDER_RECURSION, 1, 10, ID_VONKOCH_RECURSION, 20},
        {"Von Koch SnowFlake", ID_VON_KOCH_SLIDER_SIMILARITY, 150, 1000, ID_VON_KOCH_SIMILARITY,
         40},
        {"Mandelbrot Curve", ID_MANDELBROT_SLIDER_RECURSION, 1, 10, ID_MANDELBROT_RECURSION, 20},
        {"Hilbert Curve", ID_HILBERT_SLIDER_RECURSION, 1, 10, ID_HILBERT_RECURSION, 20},
        {"Hilbert Curve", ID_HILBERT_SLIDER_SIMILARITY, 1, 12, ID_HILBERT_SIMILARITY, 40},
        {"Cesaro Curve", ID_CESARO_SLIDER_RECURSION, 1, 10, ID_CESARO_RECURSION, 20},
        {"Minkowski Sausage", ID_MINKOWSKI_SLIDER_RECURSION, 1, 10, ID_MINKOWSKI_RECURSION, 20},
        {"Sierpinski Curve", ID_SIERPINSKI_SLIDER_RECURSION, 1, 8, ID_SIERPINSKI_RECURSION, 20},
        {"Sierpinski Objects", ID_SIERPINSKI_OBJ_SLIDER_RECURSION, 1, 8,
         ID_SIERPINSKI_OBJ_RECURSION, 20},
        {"Peano Curve", ID_PEANO_SLIDER_RECURSION, 1, 5, ID_PEANO_RECURSION, 20},
        {"Square Curve", ID_SQUARE_SLIDER_RECURSION, 1, 10, ID_SQUARE_RECURSION, 20},
    };
    for (const auto& row : rows) {
        QTest::addRow("%u", row.nSlider) << QString::fromLatin1(row.pszCategory) << row.nSlider
                                         << row.nMin << row.nMax << row.nEdit << row.nWidth;
    }
}

void CRibbonBarTest::slidersAndTheirEdits() {
    QFETCH(QString, category);
    QFETCH(UINT, slider);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(UINT, edit);
    QFETCH(int, width);
    auto* pSlider = Find<CRibbonSlider>(slider);
    QCOMPARE(pSlider->GetRangeMin(), minimum);
    QCOMPARE(pSlider->GetRangeMax(), maximum);
    auto* pEdit = Find<CRibbonEdit>(edit);
    QCOMPARE(pEdit->GetData().nWidth, width);
    QVERIFY(pEdit->GetLineEdit()->width() > width);
    QCOMPARE(pEdit->GetLabel(), std::string(12, '\xA0'));
    QCOMPARE(pEdit->GetLineEdit()->parentWidget()->findChild<QLabel*>()->text(),
             QString(12, QChar(0x00A0)));
    // Hidden with their category, found again when it shows.
    const int nIndex = m_pRibbon->FindCategory(ToAnsi(category));
    m_pRibbon->ShowCategory(nIndex, false);
    QVERIFY(m_pRibbon->FindSlider(slider) == nullptr);
    QVERIFY(m_pRibbon->FindEdit(edit) == nullptr);
    m_pRibbon->ShowCategory(nIndex, true);
    QCOMPARE(m_pRibbon->FindSlider(slider), static_cast<CRibbonSliderLink*>(pSlider));
    QCOMPARE(m_pRibbon->FindEdit(edit), static_cast<CRibbonEditLink*>(pEdit));
}

void CRibbonBarTest::heighwayFoldingPanel() {
    auto* pCode = Find<CRibbonEdit>(ID_HEIGHWAY_CODE);
    QCOMPARE(pCode->GetLabel(), std::string("Folding Code:"));
    QCOMPARE(pCode->GetData().nWidth, 125);
    const int nIndex = m_pRibbon->FindCategory("Heighway Dragon");
    const CRibbonPanelData& panel = RibbonLayout().categories[std::size_t(nIndex)].panels[0];
    QCOMPARE(panel.elements.size(), std::size_t(3));
    QCOMPARE(panel.elements[1].kind, ERibbonElementKind::Label);
    QCOMPARE(std::string(panel.elements[1].pszText),
             std::string("0: Folding Paper Left on Paper Right"));
    QCOMPARE(std::string(panel.elements[2].pszText),
             std::string("1 : Folding Paper Right on Paper Left"));
}

void CRibbonBarTest::lookupSeesOnlyVisibleCategoriesAndTheQuickAccessBar() {
    for (UINT nID : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_PRINT_DIRECT}) {
        QVERIFY(m_pRibbon->FindByID(nID) != nullptr);
    }
    QVERIFY(m_pRibbon->FindByID(0) == nullptr);
    QVERIFY(m_pRibbon->FindByID(12345) == nullptr);
    // An element of another kind is not a slider or an edit.
    QVERIFY(m_pRibbon->FindSlider(ID_VONKOCH_RECURSION) == nullptr);
    QVERIFY(m_pRibbon->FindEdit(ID_VON_KOCH_SLIDER_RECURSION) == nullptr);
    QVERIFY(m_pRibbon->FindSlider(ID_VON_KOCH_COLOR) == nullptr);

    for (int i = 0; i < m_pRibbon->GetCategoryCount(); ++i) {
        m_pRibbon->ShowCategory(i, false);
    }
    QVERIFY(m_pRibbon->FindByID(ID_EXIT_APP) == nullptr);
    QVERIFY(m_pRibbon->FindByID(ID_EXIT_APP, false) != nullptr);
    QVERIFY(m_pRibbon->FindByID(ID_FILE_SAVE) != nullptr);
    // An identifier on two tabs is found on the visible one.
    m_pRibbon->ShowCategory(m_pRibbon->FindCategory("Help"), true);
    QVERIFY(m_pRibbon->findChild<QWidget*>(QStringLiteral("Help"))
                ->isAncestorOf(m_pRibbon->FindByID(ID_FEEDBACK)->GetWidget()));
}

void CRibbonBarTest::categoriesAreShownHiddenAndActivated() {
    QSignalSpy changes(m_pRibbon.get(), &CRibbonBar::ActiveCategoryChanged);
    const int nVonKoch = m_pRibbon->FindCategory("Von Koch SnowFlake");
    QVERIFY(m_pRibbon->SetActiveCategory(nVonKoch));
    QCOMPARE(m_pRibbon->GetActiveCategory(), nVonKoch);
    QCOMPARE(changes.count(), 1);

    m_pRibbon->ShowCategory(nVonKoch, false);
    QVERIFY(!m_pRibbon->IsCategoryVisible(nVonKoch));
    QVERIFY(m_pRibbon->GetActiveCategory() != nVonKoch);
    QVERIFY(m_pRibbon->IsCategoryVisible(m_pRibbon->GetActiveCategory()));
    QVERIFY(!m_pRibbon->SetActiveCategory(nVonKoch));
    QVERIFY(!m_pRibbon->SetActiveCategory(-1));
    QVERIFY(!m_pRibbon->SetActiveCategory(m_pRibbon->GetCategoryCount()));
    QCOMPARE(m_pRibbon->GetCategoryName(m_pRibbon->GetCategoryCount()), std::string());
    QCOMPARE(m_pRibbon->FindCategory("von koch snowflake"), -1);
    m_pRibbon->RecalcLayout();
}

void CRibbonBarTest::sliderSendsItsCommandWhileDraggedButNotWhenSet() {
    QSignalSpy commands(m_pRibbon.get(), &CRibbonBar::Command);
    auto* pSlider = Find<CRibbonSlider>(ID_VON_KOCH_SLIDER_SIMILARITY);
    pSlider->GetSlider()->setSliderDown(true);
    pSlider->GetSlider()->setSliderPosition(400);
    pSlider->GetSlider()->setSliderPosition(500);
    pSlider->GetSlider()->setSliderDown(false);
    QCOMPARE(commands.count(), 2);
    QCOMPARE(commands.at(1).at(0).toUInt(), UINT(ID_VON_KOCH_SLIDER_SIMILARITY));
    QCOMPARE(pSlider->GetPos(), 500);

    for (const auto& [nSet, nShown] : {std::pair{5000, 1000}, {-3, 150}, {348, 348}}) {
        pSlider->SetPos(nSet, true);
        QCOMPARE(pSlider->GetPos(), nShown);
    }
    QCOMPARE(commands.count(), 2);
}

void CRibbonBarTest::editSendsItsCommandWhenTheEditEnds() {
    QSignalSpy commands(m_pRibbon.get(), &CRibbonBar::Command);
    auto* pEdit = Find<CRibbonEdit>(ID_HEIGHWAY_CODE);
    pEdit->SetEditText("10101111");
    pEdit->SetTextAlign(ES_CENTER);
    QCOMPARE(commands.count(), 0);
    QCOMPARE(pEdit->GetEditText(), std::string("10101111"));
    QCOMPARE(pEdit->GetTextAlign(), int(ES_CENTER));

    m_pRibbon->SetActiveCategory(m_pRibbon->FindCategory("Heighway Dragon"));
    pEdit->GetLineEdit()->setFocus();
    QTest::keyClicks(pEdit->GetLineEdit(), QStringLiteral("01"));
    QCOMPARE(commands.count(), 0);
    QTest::keyClick(pEdit->GetLineEdit(), Qt::Key_Return);
    QCOMPARE(commands.count(), 1);
    QCOMPARE(commands.at(0).at(0).toUInt(), UINT(ID_HEIGHWAY_CODE));
    QCOMPARE(pEdit->GetEditText(), std::string("1010111101"));

    // Text with characters of the code page comes back as the same bytes.
    pEdit->SetEditText("caf\xE9 \x80");
    QCOMPARE(pEdit->GetLineEdit()->text(), QString::fromUtf8("café €"));
    QCOMPARE(pEdit->GetEditText(), std::string("caf\xE9 \x80"));
}

void CRibbonBarTest::sliderEditMovesItsSlider_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("position"); // -1: the slider stays and the box shows "4" again
    QTest::newRow("in range") << "8" << 8;
    QTest::newRow("above") << "11" << 10;
    QTest::newRow("below") << "0" << 1;
    QTest::newRow("the same number") << "4" << -1;
    QTest::newRow("not a number") << "x" << -1;
    QTest::newRow("a fraction") << "2.5" << -1;
}

void CRibbonBarTest::sliderEditMovesItsSlider() {
    QFETCH(QString, typed);
    QFETCH(int, position);
    auto* pSlider = Find<CRibbonSlider>(ID_VON_KOCH_SLIDER_RECURSION);
    auto* pEdit = Find<CRibbonEdit>(ID_VONKOCH_RECURSION);
    pSlider->SetPos(4, true);
    pEdit->SetEditText("4");
    m_pRibbon->SetActiveCategory(m_pRibbon->FindCategory("Von Koch SnowFlake"));
    QSignalSpy commands(m_pRibbon.get(), &CRibbonBar::Command);
    QLineEdit* pLine = pEdit->GetLineEdit();
    pLine->setFocus();
    pLine->selectAll();
    QTest::keyClicks(pLine, typed);
    QTest::keyClick(pLine, Qt::Key_Return);
    if (position < 0) {
        QCOMPARE(commands.count(), 0);
        QCOMPARE(pSlider->GetPos(), 4);
        QCOMPARE(pEdit->GetEditText(), std::string("4"));
        return;
    }
    // The slider's own command: the view takes the value from the slider.
    QCOMPARE(commands.count(), 1);
    QCOMPARE(commands.at(0).at(0).toUInt(), UINT(ID_VON_KOCH_SLIDER_RECURSION));
    QCOMPARE(pSlider->GetPos(), position);
    QCOMPARE(pEdit->GetEditText(), std::to_string(position));
}

void CRibbonBarTest::pageStepsAreATenthOfTheRange_data() {
    QTest::addColumn<UINT>("slider");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    const UINT kRatio = ID_VON_KOCH_SLIDER_SIMILARITY; // 150 to 1000
    const UINT kLevel = ID_VON_KOCH_SLIDER_RECURSION;  // 1 to 10
    QTest::newRow("ratio PageUp") << kRatio << int(Qt::Key_PageUp) << 400 << 485;
    QTest::newRow("ratio PageDown") << kRatio << int(Qt::Key_PageDown) << 400 << 315;
    QTest::newRow("ratio right arrow") << kRatio << int(Qt::Key_Right) << 400 << 401;
    QTest::newRow("ratio left arrow") << kRatio << int(Qt::Key_Left) << 400 << 399;
    QTest::newRow("ratio PageUp at the end") << kRatio << int(Qt::Key_PageUp) << 950 << 1000;
    QTest::newRow("level PageUp") << kLevel << int(Qt::Key_PageUp) << 3 << 4;
    QTest::newRow("level right arrow") << kLevel << int(Qt::Key_Right) << 3 << 4;
}

void CRibbonBarTest::pageStepsAreATenthOfTheRange() {
    QFETCH(UINT, slider);
    QFETCH(int, key);
    QFETCH(int, start);
    QFETCH(int, end);
    QSlider* pSlider = Find<CRibbonSlider>(slider)->GetSlider();
    m_pRibbon->SetActiveCategory(m_pRibbon->FindCategory("Von Koch SnowFlake"));
    pSlider->setValue(start);
    pSlider->setFocus();
    QTest::keyClick(pSlider, Qt::Key(key));
    QCOMPARE(pSlider->value(), end);
}

void CRibbonBarTest::typingIsAppliedBeforeAnyOtherCommand() {
    m_pRibbon->SetActiveCategory(m_pRibbon->FindCategory("Heighway Dragon"));
    auto* pEdit = Find<CRibbonEdit>(ID_HEIGHWAY_CODE);
    pEdit->SetEditText("10101111");
    QSignalSpy commands(m_pRibbon.get(), &CRibbonBar::Command);
    pEdit->GetLineEdit()->setFocus();
    pEdit->GetLineEdit()->selectAll();
    QTest::keyClicks(pEdit->GetLineEdit(), QStringLiteral("11"));
    // A tool button takes no focus from the box: the click alone must end the edit.
    QTest::mouseClick(Find<CRibbonButton>(ID_HEIGHWAY_CLIPBOARD)->GetButton(), Qt::LeftButton);
    QCOMPARE(commands.count(), 2);
    QCOMPARE(commands.at(0).at(0).toUInt(), UINT(ID_HEIGHWAY_CODE));
    QCOMPARE(commands.at(1).at(0).toUInt(), UINT(ID_HEIGHWAY_CLIPBOARD));
    QVERIFY(!pEdit->HasPendingEdit());
    // Once ended, the edit is not sent again with the next command.
    QTest::mouseClick(Find<CRibbonButton>(ID_HEIGHWAY_COLOR)->GetButton(), Qt::LeftButton);
    QCOMPARE(commands.count(), 3);
    QCOMPARE(commands.at(2).at(0).toUInt(), UINT(ID_HEIGHWAY_COLOR));
}

void CRibbonBarTest::checkBoxMarksComeFromTheUpdateHandlers() {
    QSignalSpy commands(m_pRibbon.get(), &CRibbonBar::Command);
    auto* pInside = Find<CRibbonCheckBox>(ID_VON_KOCH_CHECK_INSIDE);
    auto* pOutside = Find<CRibbonCheckBox>(ID_VON_KOCH_CHECK_OUTSIDE);
    m_pRibbon->UpdateCommandUI([](CCmdUI* pCmdUI) {
        if (pCmdUI->m_nID == ID_VON_KOCH_CHECK_INSIDE) {
            pCmdUI->SetCheck(1);
            return true;
        }
        return false;
    });
    QVERIFY(pInside->IsChecked());
    QVERIFY(!pOutside->IsChecked());

    QTest::mouseClick(pOutside->GetCheckBox(), Qt::LeftButton);
    QCOMPARE(commands.count(), 1);
    QCOMPARE(commands.at(0).at(0).toUInt(), UINT(ID_VON_KOCH_CHECK_OUTSIDE));
    // No handler answers any more: no mark stays, whatever the clicks did.
    m_pRibbon->UpdateCommandUI([](CCmdUI*) { return false; });
    QVERIFY(!pInside->IsChecked());
    QVERIFY(!pOutside->IsChecked());
}

void CRibbonBarTest::splitButtonAndItsMenuSendTheirCommands() {
    QSignalSpy commands(m_pRibbon.get(), &CRibbonBar::Command);
    m_pRibbon->SetActiveCategory(m_pRibbon->FindCategory("View"));
    auto* pSplit = Find<CRibbonButton>(ID_TOGGLE_STATUS_BAR);
    QCOMPARE(pSplit->GetButton()->popupMode(), QToolButton::MenuButtonPopup);
    QCOMPARE(m_pRibbon->FindByID(ID_HIDE_STATUS_BAR), static_cast<CRibbonElement*>(pSplit));
    QTest::mouseClick(pSplit->GetButton(), Qt::LeftButton, {}, QPoint(5, 5));
    const QList<QAction*> items = pSplit->GetMenu()->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0]->text(), QStringLiteral("Show the Status bar"));
    QCOMPARE(items[1]->text(), QStringLiteral("Hide the Status bar"));
    items[0]->trigger();
    items[1]->trigger();
    QList<UINT> sent;
    for (const QList<QVariant>& command : commands) {
        sent << command.at(0).toUInt();
    }
    QCOMPARE(sent, QList<UINT>({ID_TOGGLE_STATUS_BAR, ID_VIEW_STATUS_BAR, ID_HIDE_STATUS_BAR}));
}

void CRibbonBarTest::styleMenuShowsTheRadioMarkItIsGiven() {
    auto* pStyle = Find<CRibbonButton>(ID_VIEW_APPLOOK_WINDOWS_7);
    QCOMPARE(pStyle->GetButton()->text(), QStringLiteral("Style"));
    QStringList texts;
    for (const QAction* pAction : pStyle->GetMenu()->actions()) {
        texts << pAction->text();
    }
    QCOMPARE(texts, QStringList({"Office 2007 (&Blue Style)", "Office 2007 (B&lack Style)",
                                 "Office 2007 (&Silver Style)", "Office 2007 (&Aqua Style)",
                                 "Win&dows 7"}));
    m_pRibbon->UpdateCommandUI([](CCmdUI* pCmdUI) {
        if (pCmdUI->m_nID >= ID_VIEW_APPLOOK_WIN_2000 &&
            pCmdUI->m_nID <= ID_VIEW_APPLOOK_WINDOWS_7) {
            pCmdUI->SetRadio(pCmdUI->m_nID == ID_VIEW_APPLOOK_OFF_2007_SILVER);
            return true;
        }
        return false;
    });
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(pStyle->GetMenu()->actions()[i]->isChecked(), i == 2);
    }
}

void CRibbonBarTest::tooltipsShowTheElementsText_data() {
    QTest::addColumn<UINT>("command");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("large button") << UINT(ID_VON_KOCH_COLOR) << "Curve and Background Color";
    QTest::newRow("small button") << UINT(ID_SIERP_OBJ_FRAME_HEXAGON) << "Haxagon";
    QTest::newRow("check box") << UINT(ID_VON_KOCH_CHECK_RANDOM) << "Random";
    QTest::newRow("slider") << UINT(ID_HILBERT_SLIDER_SIMILARITY) << "Similarity Ratio";
    QTest::newRow("edit with label") << UINT(ID_HEIGHWAY_CODE) << "Folding Code:";
    QTest::newRow("quick access") << UINT(ID_FILE_PRINT_DIRECT) << "Quick Print";
    QTest::newRow("split button") << UINT(ID_TOOGLE_OUTPUT_PANE) << "Output Pane";
}

void CRibbonBarTest::tooltipsShowTheElementsText() {
    QFETCH(UINT, command);
    QFETCH(QString, tooltip);
    QCOMPARE(m_pRibbon->FindByID(command, false)->GetWidget()->toolTip(), tooltip);
}

QTEST_MAIN(CRibbonBarTest)
#include "RibbonBarTest.moc"
