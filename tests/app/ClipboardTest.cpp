// SPDX-License-Identifier: MIT
// The picture on the clipboard: the copy function on its own, and "To Clipboard" of each
// curve routed through the main frame of a real start-up, which leaves on the clipboard
// exactly what the visible view's window shows.
#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "app/NimbrelApp.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ViewWindow.h"
#include "resources/Resource.h"

namespace {

// What a reader of the clipboard sees, with the unused top byte of RGB32 set.
QImage Opaque(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32).convertToFormat(QImage::Format_RGB32);
}

} // namespace

class CClipboardTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void copyPutsAnOpaquePictureOnTheClipboard();
    void nullPictureLeavesTheClipboardAlone();
    void toClipboardCopiesWhatTheViewShows_data();
    void toClipboardCopiesWhatTheViewShows();

private:
    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
};

void CClipboardTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    QGuiApplication::clipboard()->clear();
}

void CClipboardTest::cleanup() {
    QCOMPARE(m_pEnvironment->messages.m_texts, std::vector<std::string>{});
    m_pEnvironment.reset();
}

void CClipboardTest::copyPutsAnOpaquePictureOnTheClipboard() {
    // The raster surface's pixels: 0x00RRGGBB, the top byte left 0.
    QImage picture(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            reinterpret_cast<QRgb*>(picture.scanLine(y))[x] = QRgb(0x00102030 + x * 0x10000 + y);
        }
    }
    CopyImageToClipboard(picture);
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), picture.size());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb expected = QRgb(0xFF102030 + x * 0x10000 + y);
            QCOMPARE(copied.pixel(x, y), expected);
        }
    }
}

void CClipboardTest::nullPictureLeavesTheClipboardAlone() {
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    CopyImageToClipboard(QImage());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

void CClipboardTest::toClipboardCopiesWhatTheViewShows_data() {
    QTest::addColumn<int>("nPosition");
    QTest::addColumn<uint>("nCommand");
    const uint anCommands[kFractalCount] = {ID_VON_KOCH_CLIPBOARD,  ID_MANDELBROT_CLIPBOARD,
                                            ID_HILBERT_CLIPBOARD,   ID_CESARO_CLIPBOARD,
                                            ID_MINKOWSKI_CLIPBOARD, ID_SIERPINSKI_CLIPBOARD,
                                            ID_SIERP_OBJ_CLIPBOARD, ID_PEANO_CLIPBOARD,
                                            ID_SQUARE_CLIPBOARD,    ID_HEIGHWAY_CLIPBOARD};
    for (const CFractalInfo& info : FractalCatalog()) {
        QTest::newRow(info.pszRenderName) << info.nPosition << anCommands[info.nPosition];
    }
}

void CClipboardTest::toClipboardCopiesWhatTheViewShows() {
    QFETCH(int, nPosition);
    QFETCH(uint, nCommand);
    CNimbrelApp app;
    QVERIFY(app.InitInstance());
    CMainFrame* pFrame = app.GetMainFrame();
    pFrame->resize(900, 700);
    QVERIFY(QTest::qWaitForWindowExposed(pFrame));
    pFrame->ActivateCategory(FractalCatalog()[std::size_t(nPosition)].pszTabName);
    QVERIFY(pFrame->SwitchToFractal(nPosition));
    CViewWindow* pWindow = pFrame->GetActiveViewWindow();
    QVERIFY(pWindow != nullptr);
    // The curves seeded from the time draw the same picture for both paints below.
    pFrame->GetActiveView()->SetClock([] { return std::int64_t(1234567); });

    pFrame->RouteCommand(nCommand);

    const QSize shown = pWindow->viewport()->size();
    QVERIFY(shown.width() > 100 && shown.height() > 100);
    const QImage copied = QGuiApplication::clipboard()->image();
    QVERIFY(!copied.isNull());
    QCOMPARE(Opaque(copied), Opaque(pWindow->RenderImage(shown)));
}

QTEST_MAIN(CClipboardTest)
#include "ClipboardTest.moc"
