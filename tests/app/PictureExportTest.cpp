// SPDX-License-Identifier: MIT
// Save: the proposed name and folder, a PNG of exactly the window's pixels, an SVG of the same
// drawing calls, and failures that show a message and leave no file behind.
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "app/NimbrelApp.h"
#include "app/PictureExport.h"
#include "platform/gdi/PngFile.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/gdi/SvgWriter.h"
#include "platform/ui/ViewWindow.h"
#include "resources/Resource.h"
#include "settings/ProgramSettings.h"

class CPictureExportTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void proposesTheCurveNameInTheLastFolder_data();
    void proposesTheCurveNameInTheLastFolder();
    void pngHoldsExactlyTheWindowsPixels();
    void svgIsTheWriterOutputForTheSameCalls();
    void formatFollowsTheNameOrTheChosenFilter_data();
    void formatFollowsTheNameOrTheChosenFilter();
    void cancelWritesNothing();
    void failureShowsTheMessageAndLeavesNoFile_data();
    void failureShowsTheMessageAndLeavesNoFile();

private:
    CMainFrame* Start();
    CMainFrame* Frame() const { return m_pApp->GetMainFrame(); }
    // Answers the save dialog with this name (relative names in the test's folder).
    void Answer(const QString& strName, const QString& strFilter = QString());
    QString Save(const QString& strName, const QString& strFilter = QString());
    int SavedLines() const;

    std::unique_ptr<CGuiTestEnvironment> m_pEnvironment;
    std::unique_ptr<CNimbrelApp> m_pApp;
    std::unique_ptr<QTemporaryDir> m_pDir;
    QString m_strProposed;
    CSaveFileChooser m_previous;
};

void CPictureExportTest::init() {
    m_pEnvironment = std::make_unique<CGuiTestEnvironment>();
    m_pDir = std::make_unique<QTemporaryDir>();
    m_strProposed.clear();
    Answer(QString());
}

void CPictureExportTest::cleanup() {
    SetSaveFileChooser(std::move(m_previous));
    m_pApp.reset();
    m_pDir.reset();
    m_pEnvironment.reset();
}

CMainFrame* CPictureExportTest::Start() {
    m_pApp = std::make_unique<CNimbrelApp>();
    if (!m_pApp->InitInstance()) {
        return nullptr;
    }
    if (!QTest::qWaitForWindowExposed(Frame())) {
        return nullptr;
    }
    return Frame();
}

void CPictureExportTest::Answer(const QString& strName, const QString& strFilter) {
    const QString strPath = strName.isEmpty() || strName.startsWith(QLatin1Char('/'))
                                ? strName
                                : m_pDir->filePath(strName);
    CSaveFileChooser previous = SetSaveFileChooser(
        [this, strPath, strFilter](QWidget*, const QString& strProposed, const QString& strFilters,
                                   QString* pSelectedFilter) {
            m_strProposed = strProposed;
            // Both formats are offered, PNG first.
            if (!strFilters.startsWith(QStringLiteral("PNG")) ||
                !strFilters.contains(QStringLiteral("*.svg"))) {
                return QString();
            }
            if (!strFilter.isEmpty()) {
                *pSelectedFilter = strFilter;
            }
            return strPath;
        });
    if (!m_previous) {
        m_previous = std::move(previous);
    }
}

QString CPictureExportTest::Save(const QString& strName, const QString& strFilter) {
    Answer(strName, strFilter);
    Frame()->RouteCommand(ID_FILE_SAVE);
    return m_pDir->filePath(strName);
}

int CPictureExportTest::SavedLines() const {
    int nLines = 0;
    for (int i = 0; i < Frame()->GetOutputWnd().GetLineCount(); ++i) {
        nLines += Frame()->GetOutputWnd().GetLine(i).find("Picture saved to ") != std::string::npos
                      ? 1
                      : 0;
    }
    return nLines;
}

void CPictureExportTest::proposesTheCurveNameInTheLastFolder_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::newRow("Von Koch") << 0 << "koch.png";
    QTest::newRow("Hilbert") << 2 << "hilbert.png";
    QTest::newRow("Heighway") << 9 << "heighway.png";
}

void CPictureExportTest::proposesTheCurveNameInTheLastFolder() {
    QFETCH(int, position);
    QFETCH(QString, name);
    QVERIFY(Start() != nullptr);
    QVERIFY(Frame()->SwitchToFractal(position));
    // Nothing stored yet: the home folder.
    Frame()->RouteCommand(ID_FILE_SAVE);
    QCOMPARE(m_strProposed, QDir(QDir::homePath()).filePath(name));

    QVERIFY(QDir(m_pDir->path()).mkpath(QStringLiteral("pictures")));
    const QString strSaved = Save(QStringLiteral("pictures/first.png"));
    QVERIFY(QFile::exists(strSaved));
    QCOMPARE(ReadLastSaveFolder().value_or(""),
             m_pDir->filePath(QStringLiteral("pictures")).toStdString());
    Frame()->RouteCommand(ID_FILE_SAVE);
    QCOMPARE(m_strProposed, QDir(m_pDir->filePath(QStringLiteral("pictures"))).filePath(name));

    // A stored folder that has gone away gives home again.
    WriteLastSaveFolder(m_pDir->filePath(QStringLiteral("gone")).toStdString());
    Frame()->RouteCommand(ID_FILE_SAVE);
    QCOMPARE(m_strProposed, QDir(QDir::homePath()).filePath(name));
}

void CPictureExportTest::pngHoldsExactlyTheWindowsPixels() {
    QVERIFY(Start() != nullptr);
    for (int nPosition : {0, 5, 9}) {
        QVERIFY(Frame()->SwitchToFractal(nPosition));
        CViewWindow* pWindow = Frame()->GetActiveViewWindow();
        QVERIFY(pWindow != nullptr);
        const QString strPath = Save(QStringLiteral("view%1.png").arg(nPosition));
        const CPngReadResult read = ReadPngFile(strPath.toStdString());
        QVERIFY2(read.image.has_value(), read.strError.c_str());
        // What the window puts on the screen.
        const QImage shown =
            pWindow->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(read.image->nWidth, shown.width());
        QCOMPARE(read.image->nHeight, shown.height());
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if (read.image->At(x, y) != (shown.pixel(x, y) & 0x00FFFFFFu)) {
                    QFAIL(qPrintable(QStringLiteral("view %1: pixel %2,%3 differs")
                                         .arg(nPosition)
                                         .arg(x)
                                         .arg(y)));
                }
            }
        }
        // The log line, after its time stamp.
        const std::string line =
            Frame()->GetOutputWnd().GetLine(Frame()->GetOutputWnd().GetLineCount() - 1);
        QVERIFY2(line.ends_with(": Picture saved to " + strPath.toStdString()), line.c_str());
    }
    QVERIFY(m_pEnvironment->messages.m_texts.empty());
}

void CPictureExportTest::svgIsTheWriterOutputForTheSameCalls() {
    QVERIFY(Start() != nullptr);
    for (int nPosition : {0, 3, 6}) {
        QVERIFY(Frame()->SwitchToFractal(nPosition));
        CViewWindow* pWindow = Frame()->GetActiveViewWindow();
        const QString strPath = Save(QStringLiteral("view%1.svg").arg(nPosition));
        QFile file(strPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();

        const QSize size = pWindow->viewport()->size();
        CRecordingDC dc(size.width(), size.height(), kWindowColour);
        PaintHostedView(*pWindow->GetView(), dc);
        const std::string expected = WriteSvg(dc.Recording());
        QVERIFY(!dc.Calls().empty());
        QCOMPARE(written.toStdString(), expected);
    }
}

void CPictureExportTest::formatFollowsTheNameOrTheChosenFilter_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("svg");
    QTest::newRow("png name") << "a.png"
                              << ""
                              << "a.png" << false;
    QTest::newRow("svg name, png filter") << "b.SVG"
                                          << "PNG picture (*.png)"
                                          << "b.SVG" << true;
    QTest::newRow("png name, svg filter") << "c.png"
                                          << "SVG picture (*.svg)"
                                          << "c.png" << false;
    QTest::newRow("bare name, png filter") << "d"
                                           << "PNG picture (*.png)"
                                           << "d.png" << false;
    QTest::newRow("bare name, svg filter") << "e"
                                           << "SVG picture (*.svg)"
                                           << "e.svg" << true;
}

void CPictureExportTest::formatFollowsTheNameOrTheChosenFilter() {
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(QString, file);
    QFETCH(bool, svg);
    QVERIFY(Start() != nullptr);
    Save(name, filter);
    QFile saved(m_pDir->filePath(file));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray head = saved.read(8);
    QCOMPARE(head.startsWith("<svg"), svg);
    QCOMPARE(head.startsWith("\x89PNG"), !svg);
    QCOMPARE(QDir(m_pDir->path()).entryList(QDir::Files).size(), 1);
}

void CPictureExportTest::cancelWritesNothing() {
    QVERIFY(Start() != nullptr);
    const int nLines = Frame()->GetOutputWnd().GetLineCount();
    Answer(QString());
    Frame()->RouteCommand(ID_FILE_SAVE);
    QCOMPARE(Frame()->GetOutputWnd().GetLineCount(), nLines);
    QVERIFY(!ReadLastSaveFolder().has_value());
    QVERIFY(m_pEnvironment->messages.m_texts.empty());
}

void CPictureExportTest::failureShowsTheMessageAndLeavesNoFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("needsPermissions");
    QTest::newRow("under a regular file") << "file.txt/sub.png" << false;
    QTest::newRow("svg under a regular file") << "file.txt/sub.svg" << false;
    QTest::newRow("a folder's name") << "folder" << false;
    QTest::newRow("a folder's name, svg") << "folder.svg" << false;
    QTest::newRow("a missing folder") << "missing/sub.png" << false;
    QTest::newRow("read-only folder") << "locked/sub.png" << true;
    QTest::newRow("read-only folder, svg") << "locked/sub.svg" << true;
}

void CPictureExportTest::failureShowsTheMessageAndLeavesNoFile() {
    QFETCH(QString, name);
    QFETCH(bool, needsPermissions);
    if (needsPermissions && geteuid() == 0) {
        QSKIP("folder permissions do not stop the superuser");
    }
    QVERIFY(Start() != nullptr);
    QDir dir(m_pDir->path());
    QFile text(dir.filePath(QStringLiteral("file.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("text") == 4);
    text.close();
    QVERIFY(dir.mkdir(QStringLiteral("folder")) && dir.mkdir(QStringLiteral("folder.svg")));
    QVERIFY(dir.mkdir(QStringLiteral("locked")));
    QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("locked")),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QStringList before =
        dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    Save(name);
    QCOMPARE(m_pEnvironment->messages.m_texts.size(), std::size_t(1));
    const std::string& message = m_pEnvironment->messages.m_texts.front();
    QVERIFY2(message.starts_with("The picture could not be saved.\n"), message.c_str());
    QVERIFY2(message.find(dir.filePath(name).toStdString()) != std::string::npos, message.c_str());
    QCOMPARE(m_pEnvironment->messages.m_types.front() & MB_ICONMASK, UINT(MB_ICONERROR));

    // Nothing new anywhere, no temporary left, nothing logged, the folder not remembered.
    QCOMPARE(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    for (const QString& strSub :
         {QStringLiteral("folder"), QStringLiteral("folder.svg"), QStringLiteral("locked")}) {
        QVERIFY(QDir(dir.filePath(strSub))
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                    .isEmpty());
    }
    QCOMPARE(SavedLines(), 0);
    QVERIFY(!ReadLastSaveFolder().has_value());
    QFile::setPermissions(dir.filePath(QStringLiteral("locked")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QTEST_MAIN(CPictureExportTest)
#include "PictureExportTest.moc"
