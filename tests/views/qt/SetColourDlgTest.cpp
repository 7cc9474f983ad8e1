// SPDX-License-Identifier: MIT
// The colour dialog driven through its object, never shown modally: the palettes and the
// fading buttons change only the dialog and its preview, OK hands back exactly the four
// values, Cancel nothing, the store is never written, and the preview paints the calling
// view's own picture.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <tuple>

#include "app/AppTestSupport.h"
#include "fractals/FractalCatalog.h"
#include "fractals/HeighwayView.h"
#include "platform/gdi/RasterDC.h"
#include "platform/ui/ColorBar.h"
#include "platform/ui/ViewWindow.h"
#include "resources/ColourDialogTemplate.h"
#include "resources/Resource.h"
#include "settings/ProgramSettings.h"
#include "settings/RegistryFunctions.h"
#include "settings/StoreKeys.h"
#include "support/FakeRibbon.h"
#include "support/ViewRecord.h"
#include "views/ColourDialogRunner.h"
#include "views/qt/ColourDialogImages.h"
#include "views/qt/PreviewWnd.h"
#include "views/qt/SetColourDlg.h"
#include "views/qt/SetColourDlgRunner.h"

namespace {

constexpr UINT kColourCommands[kFractalCount] = {
    ID_VON_KOCH_COLOR,   ID_MANDELBROT_COLOR, ID_HILBERT_COLOR, ID_CESARO_COLOR, ID_MINKOWSKI_COLOR,
    ID_SIERPINSKI_COLOR, ID_SIERP_OBJ_COLOR,  ID_PEANO_COLOR,   ID_SQUARE_COLOR, ID_HEIGHWAY_COLOR};

// Loaded from the store and kept there when it ends, like a main-window view, without a
// ribbon to reach.
constexpr CViewHosting kCallerHosting{true, true, false};

// Palette entries: 13 red, 4 dark blue, 9 sky blue.
constexpr int kRedCell = 13;
constexpr int kDarkBlueCell = 4;
constexpr COLORREF kPicked = RGB(1, 2, 3);

// Every curve's settings string as the store holds it.
std::vector<std::string> StoredSettings() {
    std::vector<std::string> settings;
    for (const CFractalInfo& info : FractalCatalog()) {
        const std::unique_ptr<CNimbrelBaseView> pView = info.pfnCreate();
        settings.push_back(ReadViewSettings(pView->GetSettingsName()).value_or("<none>"));
    }
    return settings;
}

QImage Picture(QWidget* pWidget) {
    return pWidget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QString Label(const CSetColourDlg& dlg, int nID) {
    auto* pLabel = qobject_cast<QLabel*>(dlg.GetDlgItem(nID));
    return pLabel != nullptr ? pLabel->text() : QStringLiteral("<no label>");
}

void ClickCell(CColorBar* pBar, int nCell) {
    QTest::mouseClick(pBar, Qt::LeftButton, {}, pBar->CellRect(nCell).center());
}

void ClickOther(CColorBar* pBar) {
    QTest::mouseClick(pBar, Qt::LeftButton, {}, pBar->OtherRect().center());
}

void Click(const CSetColourDlg& dlg, int nID) {
    QTest::mouseClick(dlg.GetDlgItem(nID), Qt::LeftButton);
}

// Every colour and the fading changed through the dialog's own controls.
void ChangeEverything(CSetColourDlg& dlg) {
    ClickCell(dlg.m_wndCurveBar, kRedCell);
    ClickOther(dlg.m_wndFirstBar);
    ClickCell(dlg.m_wndSecondBar, kDarkBlueCell);
    Click(dlg, IDC_FADING_5);
}

} // namespace

class CSetColourDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cancelLeavesTheCallerAndTheStoreUnchanged_data();
    void cancelLeavesTheCallerAndTheStoreUnchanged();
    void okTakesBackExactlyTheFourValues_data();
    void okTakesBackExactlyTheFourValues();
    void fadingClickChangesOnlyThePreviewUntilOk();
    void labelsShowRedGreenBlueBytes_data();
    void labelsShowRedGreenBlueBytes();
    void heighwayPreviewDrawsTheCallersFoldingCode();
    void unknownKindGivesLabelsButNoPreview_data();
    void unknownKindGivesLabelsButNoPreview();
    void otherEntryTakesThePickersColourAndACancelledPickerNothing();
    void controlsFollowTheTemplate();
    void fadingButtonsShowWhatTheBackgroundPaints();
    void previewLeavesTheRibbonAlone_data();
    void previewLeavesTheRibbonAlone();

private:
    // The caller of kind nKind in a window of its own, its record in the store.
    std::unique_ptr<CViewWindow> MakeCaller(int nKind);

    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
    CColorBar::CColourPicker m_previousPicker;
};

void CSetColourDlgTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    m_previousPicker = CColorBar::SetColourPicker(
        [](const QColor&, QWidget*) { return std::optional<QColor>(ColourFromColorRef(kPicked)); });
}

void CSetColourDlgTest::cleanup() {
    SetColourDialogRunner({});
    CColorBar::SetColourPicker(m_previousPicker);
    m_pEnvironment.reset();
}

std::unique_ptr<CViewWindow> CSetColourDlgTest::MakeCaller(int nKind) {
    // As at start-up: the key the settings strings live under.
    CreateRegistryBranch(kParameterKey);
    auto pWindow = std::make_unique<CViewWindow>(CreateFractalView(nKind), kCallerHosting, nullptr);
    pWindow->resize(400, 300);
    pWindow->OnInitialUpdate();
    auto* pView = static_cast<CNimbrelBaseView*>(pWindow->GetView());
    // A level the slowest curves draw quickly; then the record is what the store holds.
    pView->m_nLevel = 3;
    pView->SaveSettings(pView->GetSettingsName());
    if (!ReadViewSettings(pView->GetSettingsName())) {
        qFatal("the caller's record did not reach the store");
    }
    // The window is never shown: its view draws at a size of the test's choosing.
    pView->ComputeDrawingRects(CRect{0, 0, 200, 150});
    return pWindow;
}

void CSetColourDlgTest::cancelLeavesTheCallerAndTheStoreUnchanged_data() {
    QTest::addColumn<int>("nKind");
    for (const CFractalInfo& info : FractalCatalog()) {
        QTest::newRow(info.pszRenderName) << info.nPosition;
    }
}

void CSetColourDlgTest::cancelLeavesTheCallerAndTheStoreUnchanged() {
    QFETCH(int, nKind);
    std::unique_ptr<CViewWindow> pCaller = MakeCaller(nKind);
    auto* pView = static_cast<CNimbrelBaseView*>(pCaller->GetView());
    const CViewRecord before = ViewRecord(*pView);
    const std::vector<std::string> store = StoredSettings();
    bool bRan = false;
    InstallSetColourDlgRunner([&](CSetColourDlg& dlg) {
        dlg.OnInitDialog();
        ChangeEverything(dlg);
        Click(dlg, IDCANCEL);
        bRan = true;
        return dlg.result() == QDialog::Accepted ? IDOK : IDCANCEL;
    });

    QVERIFY(pView->OnCmdMsg(kColourCommands[nKind]));
    QVERIFY(bRan);
    QCOMPARE(ViewRecord(*pView), before);
    QCOMPARE(StoredSettings(), store);
}

void CSetColourDlgTest::okTakesBackExactlyTheFourValues_data() {
    cancelLeavesTheCallerAndTheStoreUnchanged_data();
}

void CSetColourDlgTest::okTakesBackExactlyTheFourValues() {
    QFETCH(int, nKind);
    std::unique_ptr<CViewWindow> pCaller = MakeCaller(nKind);
    auto* pView = static_cast<CNimbrelBaseView*>(pCaller->GetView());
    CViewRecord expected = ViewRecord(*pView);
    std::get<1>(expected) = CColorBar::StandardColour(kRedCell);
    std::get<8>(expected) = kPicked;
    std::get<9>(expected) = CColorBar::StandardColour(kDarkBlueCell);
    std::get<10>(expected) = 5;
    const std::vector<std::string> store = StoredSettings();
    const QImage pictureBefore = pCaller->RenderImage(QSize(200, 150));
    InstallSetColourDlgRunner([&](CSetColourDlg& dlg) {
        dlg.OnInitDialog();
        ChangeEverything(dlg);
        Click(dlg, IDOK);
        return dlg.result() == QDialog::Accepted ? IDOK : IDCANCEL;
    });

    QVERIFY(pView->OnCmdMsg(kColourCommands[nKind]));
    QCOMPARE(ViewRecord(*pView), expected);
    QCOMPARE(StoredSettings(), store);
    QVERIFY(pCaller->RenderImage(QSize(200, 150)) != pictureBefore);
}

void CSetColourDlgTest::fadingClickChangesOnlyThePreviewUntilOk() {
    std::unique_ptr<CViewWindow> pCaller = MakeCaller(2);
    auto* pView = static_cast<CNimbrelBaseView*>(pCaller->GetView());
    const int nFading = pView->m_Background.m_nFading;
    const int nNewFading = (nFading + 1) % 7;
    InstallSetColourDlgRunner([&](CSetColourDlg& dlg) {
        dlg.OnInitDialog();
        CPreviewWnd* pPreview = dlg.GetPreviewWnd();
        const QImage before = Picture(pPreview);
        Click(dlg, kFadingButtons[std::size_t(nNewFading)]);
        [&] {
            QCOMPARE(dlg.m_nFading, nNewFading);
            QCOMPARE(dlg.m_pPreview[2]->m_Background.m_nFading, nNewFading);
            QVERIFY(Picture(pPreview) != before);
            QCOMPARE(pView->m_Background.m_nFading, nFading);
        }();
        Click(dlg, IDOK);
        return IDOK;
    });
    QVERIFY(pView->OnCmdMsg(ID_HILBERT_COLOR));
    QCOMPARE(pView->m_Background.m_nFading, nNewFading);
}

void CSetColourDlgTest::labelsShowRedGreenBlueBytes_data() {
    QTest::addColumn<uint>("crColour");
    QTest::addColumn<QString>("strLabel");
    QTest::newRow("yellow") << uint(0x0000FFFF) << "RGB: 255,255,0";
    QTest::newRow("bytes in order") << uint(0x00030201) << "RGB: 1,2,3";
    QTest::newRow("black") << uint(0) << "RGB: 0,0,0";
    QTest::newRow("white") << uint(0x00FFFFFF) << "RGB: 255,255,255";
}

void CSetColourDlgTest::labelsShowRedGreenBlueBytes() {
    QFETCH(uint, crColour);
    QFETCH(QString, strLabel);
    CSetColourDlg dlg;
    dlg.m_nCurve = 0;
    dlg.m_crCurve = crColour;
    dlg.m_crFirst = crColour;
    dlg.m_crSecond = crColour;
    dlg.OnInitDialog();
    for (int nID : {IDC_CURVE_VALUES, IDC_FIRST_VALUES, IDC_SECOND_VALUES}) {
        QCOMPARE(Label(dlg, nID), strLabel);
    }
    // A palette click sets its own label the same way.
    ClickCell(dlg.m_wndSecondBar, kRedCell);
    QCOMPARE(Label(dlg, IDC_SECOND_VALUES), QStringLiteral("RGB: 255,0,0"));
    QCOMPARE(Label(dlg, IDC_CURVE_VALUES), strLabel);
}

void CSetColourDlgTest::heighwayPreviewDrawsTheCallersFoldingCode() {
    CHeighwayView caller;
    caller.SetFoldParameters("1100101101", RGB(200, 0, 0), RGB(255, 255, 255), RGB(0, 0, 90), 3);
    QImage preview;
    InstallSetColourDlgRunner([&](CSetColourDlg& dlg) {
        dlg.OnInitDialog();
        preview = Picture(dlg.GetPreviewWnd());
        return IDCANCEL;
    });
    QVERIFY(caller.OnCmdMsg(ID_HEIGHWAY_COLOR));
    QVERIFY(!preview.isNull());

    // The calling view's own picture at the preview's size.
    const auto Draw = [&preview](CNimbrelBaseView& view) {
        QImage image(preview.size(), QImage::Format_RGB32);
        CRasterDC dc(reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
                     int(image.bytesPerLine() / 4));
        view.ComputeDrawingRects(CRect{0, 0, image.width(), image.height()});
        PaintHostedView(view, dc);
        return image;
    };
    QCOMPARE(preview, Draw(caller));
    // Not merely the default dragon.
    CHeighwayView defaults;
    defaults.SetFoldParameters(defaults.m_strFoldCode, caller.m_crCurve,
                               caller.m_Background.m_crFirst, caller.m_Background.m_crSecond,
                               caller.m_Background.m_nFading);
    QVERIFY(preview != Draw(defaults));
}

void CSetColourDlgTest::unknownKindGivesLabelsButNoPreview_data() {
    QTest::addColumn<int>("nKind");
    QTest::newRow("negative") << -1;
    QTest::newRow("ten") << 10;
    QTest::newRow("far") << 1000000;
}

void CSetColourDlgTest::unknownKindGivesLabelsButNoPreview() {
    QFETCH(int, nKind);
    CSetColourDlg dlg;
    dlg.m_nCurve = nKind;
    dlg.m_crCurve = RGB(1, 2, 3);
    dlg.m_crFirst = RGB(4, 5, 6);
    dlg.m_crSecond = RGB(7, 8, 9);
    dlg.OnInitDialog();
    QVERIFY(dlg.GetPreviewWnd() == nullptr);
    for (CNimbrelBaseView* pPreview : dlg.m_pPreview) {
        QVERIFY(pPreview == nullptr);
    }
    QCOMPARE(Label(dlg, IDC_CURVE_VALUES), QStringLiteral("RGB: 1,2,3"));
    QCOMPARE(Label(dlg, IDC_FIRST_VALUES), QStringLiteral("RGB: 4,5,6"));
    QCOMPARE(Label(dlg, IDC_SECOND_VALUES), QStringLiteral("RGB: 7,8,9"));
    // The controls still work.
    ClickCell(dlg.m_wndCurveBar, kRedCell);
    Click(dlg, IDC_FADING_3);
    QCOMPARE(dlg.m_crCurve, CColorBar::StandardColour(kRedCell));
    QCOMPARE(dlg.m_nFading, 3);
}

void CSetColourDlgTest::otherEntryTakesThePickersColourAndACancelledPickerNothing() {
    CSetColourDlg dlg;
    dlg.m_nCurve = 1;
    dlg.m_crCurve = RGB(0, 255, 0);
    dlg.OnInitDialog();
    QCOMPARE(dlg.m_wndCurveBar->GetSelectedIndex(), 14);
    QColor initial;
    CColorBar::SetColourPicker([&initial](const QColor& colour, QWidget*) {
        initial = colour;
        return std::optional<QColor>();
    });
    ClickOther(dlg.m_wndCurveBar);
    QCOMPARE(initial, QColor(0, 255, 0));
    QCOMPARE(dlg.m_crCurve, RGB(0, 255, 0));
    CColorBar::SetColourPicker(
        [](const QColor&, QWidget*) { return std::optional<QColor>(QColor(10, 20, 30)); });
    ClickOther(dlg.m_wndCurveBar);
    QCOMPARE(dlg.m_crCurve, RGB(10, 20, 30));
    QCOMPARE(dlg.m_wndCurveBar->GetSelectedIndex(), -1);
    QCOMPARE(dlg.m_pPreview[1]->m_crCurve, RGB(10, 20, 30));
    QCOMPARE(Label(dlg, IDC_CURVE_VALUES), QStringLiteral("RGB: 10,20,30"));
}

void CSetColourDlgTest::controlsFollowTheTemplate() {
    CSetColourDlg dlg;
    dlg.m_nCurve = 0;
    // The widest values.
    dlg.m_crCurve = RGB(255, 255, 255);
    dlg.m_crFirst = RGB(255, 255, 255);
    dlg.m_crSecond = RGB(255, 255, 255);
    dlg.OnInitDialog();
    const CDialogBaseUnits units = dlg.GetBaseUnits();
    QCOMPARE(dlg.size(), MapDialogRect(0, 0, 560, 400, units).size());
    for (const CDialogItemData& item : kColourDialogItems) {
        if (item.nID == IDC_STATIC) {
            continue;
        }
        QWidget* pControl = dlg.GetDlgItem(item.nID);
        QVERIFY2(pControl != nullptr, qPrintable(QString::number(item.nID)));
        const QRect rcTemplate = MapDialogRect(item.x, item.y, item.cx, item.cy, units);
        if (qobject_cast<QLabel*>(pControl) != nullptr) {
            // A value label grows until its text fits, inside its group box.
            QCOMPARE(pControl->y(), rcTemplate.y());
            QVERIFY(pControl->width() >= rcTemplate.width());
            QVERIFY(pControl->x() <= rcTemplate.x());
        } else {
            QCOMPARE(pControl->geometry(), rcTemplate);
        }
    }
    // Nothing is cut off: the widest value fits its label.
    for (int nID : {IDC_CURVE_VALUES, IDC_FIRST_VALUES, IDC_SECOND_VALUES}) {
        auto* pLabel = qobject_cast<QLabel*>(dlg.GetDlgItem(nID));
        QCOMPARE(pLabel->text(), QStringLiteral("RGB: 255,255,255"));
        QVERIFY(pLabel->width() >= pLabel->sizeHint().width());
        QVERIFY(pLabel->geometry().right() < MapDialogRect(5, 5, 115, 120, units).right());
    }
    QCOMPARE(dlg.GetDlgItem(IDC_CURVE_BAR), static_cast<QWidget*>(dlg.m_wndCurveBar));
    QCOMPARE(dlg.m_btnOK->text(), QStringLiteral("OK"));
    QCOMPARE(dlg.m_btnCancel->iconSize(), QSize(24, 24));
    // The preview paints the whole client area of control 1012.
    QWidget* pEdit = dlg.GetDlgItem(IDC_PREVIEW);
    QVERIFY(dlg.GetPreviewWnd()->parentWidget() == pEdit);
    QCOMPARE(dlg.GetPreviewWnd()->size(), pEdit->contentsRect().size());
    QCOMPARE(dlg.m_pPreview[0]->m_rcWindow,
             (CRect{0, 0, dlg.GetPreviewWnd()->width(), dlg.GetPreviewWnd()->height()}));
}

void CSetColourDlgTest::fadingButtonsShowWhatTheBackgroundPaints() {
    for (int nFading = 0; nFading < 7; ++nFading) {
        const QImage picture = FadingPicture(nFading);
        QCOMPARE(picture.size(), QSize(66, 66));
        CRasterDC dc(66, 66);
        CBackground background;
        background.m_crFirst = RGB(0, 255, 0);
        background.m_crSecond = RGB(255, 255, 255);
        background.m_nFading = nFading;
        background.Fill(CRect{0, 0, 66, 66}, &dc);
        for (int y = 0; y < 66; ++y) {
            for (int x = 0; x < 66; ++x) {
                QCOMPARE(picture.pixel(x, y) & 0x00FFFFFF,
                         dc.Bits()[y * dc.StridePixels() + x] & 0x00FFFFFF);
            }
        }
    }
    // Plain green, and green at the top fading to white at the bottom.
    QCOMPARE(FadingPicture(0).pixel(33, 65) & 0x00FFFFFF, 0x0000FF00u);
    const QImage fading = FadingPicture(1);
    QVERIFY(qGreen(fading.pixel(33, 0)) == 255 && qRed(fading.pixel(33, 0)) < 16);
    QVERIFY(qRed(fading.pixel(33, 65)) > 240 && qBlue(fading.pixel(33, 65)) > 240);
}

void CSetColourDlgTest::previewLeavesTheRibbonAlone_data() {
    QTest::addColumn<int>("nKind");
    QTest::newRow("koch") << 0;
    QTest::newRow("heighway") << 9;
}

// The ribbon shows the calling view's values; a preview of another record must not put its
// own values there, nor redraw it.
void CSetColourDlgTest::previewLeavesTheRibbonAlone() {
    QFETCH(int, nKind);
    CFakeMainFrame frame;
    CFakeRibbon& ribbon = frame.m_ribbon;
    ribbon.m_sliders.emplace(ID_VON_KOCH_SLIDER_RECURSION, CFakeSlider(0, 10, 2));
    // Assigned through a std::string: GCC 12 warns (-Wrestrict) on a short literal here.
    ribbon.m_edits[ID_VONKOCH_RECURSION].m_strText = std::string(1, '2');
    ribbon.m_edits[ID_HEIGHWAY_CODE].m_strText = std::string(4, '0');
    {
        CSetColourDlg dlg;
        dlg.m_nCurve = nKind;
        dlg.m_nLevel = 7;
        dlg.m_strFoldCode = "1100110";
        dlg.OnInitDialog();
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        ClickCell(dlg.m_wndCurveBar, kRedCell);
        Click(dlg, IDC_FADING_2);
        QCoreApplication::processEvents();
        Click(dlg, IDCANCEL);
    }
    QCOMPARE(ribbon.m_sliders.at(ID_VON_KOCH_SLIDER_RECURSION).m_nPos, 2);
    QCOMPARE(ribbon.m_sliders.at(ID_VON_KOCH_SLIDER_RECURSION).m_nRedraws, 0);
    QCOMPARE(ribbon.m_edits.at(ID_VONKOCH_RECURSION).m_strText, std::string("2"));
    QCOMPARE(ribbon.m_edits.at(ID_HEIGHWAY_CODE).m_strText, std::string("0000"));
    QCOMPARE(ribbon.m_lastRedrawFlags, 0u);
}

QTEST_MAIN(CSetColourDlgTest)
#include "SetColourDlgTest.moc"
