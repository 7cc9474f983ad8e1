// SPDX-License-Identifier: MIT
#include "app/PictureExport.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>

#include "app/MainFrame.h"
#include "platform/fs/AtomicFile.h"
#include "platform/fs/OutputTarget.h"
#include "platform/gdi/PngFile.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/gdi/SvgWriter.h"
#include "platform/ui/ViewWindow.h"
#include "platform/ui/core/MessageBox.h"
#include "settings/ProgramSettings.h"

namespace {

const QString kPngFilter = QStringLiteral("PNG picture (*.png)");
const QString kSvgFilter = QStringLiteral("SVG picture (*.svg)");

QString AskWithFileDialog(QWidget* pParent, const QString& strProposed, const QString& strFilters,
                          QString* pSelectedFilter) {
    return QFileDialog::getSaveFileName(pParent, QStringLiteral("Save Picture"), strProposed,
                                        strFilters, pSelectedFilter);
}

CSaveFileChooser& Chooser() {
    static CSaveFileChooser chooser;
    return chooser;
}

std::string ToStd(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

QString FromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The folder the dialog opens in: the last one used while it still exists, else home.
QString ProposedFolder() {
    if (const std::optional<std::string> folder = ReadLastSaveFolder()) {
        const QFileInfo info(FromStd(*folder));
        if (info.isDir()) {
            return info.absoluteFilePath();
        }
    }
    return QDir::homePath();
}

const char* RenderNameOf(const CMainFrame& frame, const CViewWindow* pWindow) {
    for (const CFractalInfo& info : FractalCatalog()) {
        if (frame.GetViewWindow(info.nPosition) == pWindow) {
            return info.pszRenderName;
        }
    }
    return "picture";
}

} // namespace

CSaveFileChooser SetSaveFileChooser(CSaveFileChooser chooser) {
    CSaveFileChooser previous = std::move(Chooser());
    Chooser() = std::move(chooser);
    return previous;
}

CRecording RecordWindowPicture(CViewWindow& window) {
    const QSize size = window.viewport()->size();
    CRecordingDC dc(size.width(), size.height(), kWindowColour);
    if (window.GetView() != nullptr) {
        PaintHostedView(*window.GetView(), dc);
    } else {
        dc.Erase(kWindowColour);
    }
    return dc.Recording();
}

std::string SaveWindowPicture(CViewWindow& window, const std::string& strPath,
                              EPictureFormat format) {
    // A folder, a device or a dangling name is refused before any work.
    const COutputTarget target = ResolveOutputTarget(strPath);
    if (!target.strError.empty()) {
        return target.strError;
    }
    if (format == EPictureFormat::Svg) {
        return WriteFileAtomically(target.strPath, WriteSvg(RecordWindowPicture(window)),
                                   target.nMode);
    }
    const QImage image = window.RenderImage(window.viewport()->size());
    if (image.isNull()) {
        return "cannot write " + strPath + ": the window has no picture";
    }
    const CPngWriteResult result =
        WritePngFile(target.strPath, reinterpret_cast<const std::uint32_t*>(image.constBits()),
                     image.width(), image.height(), int(image.bytesPerLine() / 4), target.nMode);
    return result.bOk ? std::string() : result.strError;
}

void OnSavePicture(CMainFrame& frame) {
    CViewWindow* pWindow = frame.GetActiveViewWindow();
    if (pWindow == nullptr) {
        return;
    }
    const QString strProposed =
        QDir(ProposedFolder())
            .filePath(QString::fromLatin1(RenderNameOf(frame, pWindow)) + QStringLiteral(".png"));
    QString strFilter = kPngFilter;
    const CSaveFileChooser& chooser = Chooser();
    QString strChosen =
        chooser ? chooser(&frame, strProposed, kPngFilter + QStringLiteral(";;") + kSvgFilter,
                          &strFilter)
                : AskWithFileDialog(&frame, strProposed,
                                    kPngFilter + QStringLiteral(";;") + kSvgFilter, &strFilter);
    if (strChosen.isEmpty()) {
        return;
    }
    // The name's extension decides; a name without one takes the chosen filter's.
    const QString strSuffix = QFileInfo(strChosen).suffix().toLower();
    EPictureFormat format = EPictureFormat::Png;
    if (strSuffix == QStringLiteral("svg")) {
        format = EPictureFormat::Svg;
    } else if (strSuffix != QStringLiteral("png")) {
        if (strFilter == kSvgFilter) {
            format = EPictureFormat::Svg;
        }
        // A folder's name stays as it is, to be refused below.
        if (strSuffix.isEmpty() && !QFileInfo(strChosen).isDir()) {
            strChosen +=
                format == EPictureFormat::Svg ? QStringLiteral(".svg") : QStringLiteral(".png");
        }
    }
    const std::string strPath = ToStd(strChosen);
    const std::string strError = SaveWindowPicture(*pWindow, strPath, format);
    if (!strError.empty()) {
        AfxMessageBox("The picture could not be saved.\n" + strError, MB_OK | MB_ICONERROR);
        return;
    }
    WriteLastSaveFolder(ToStd(QFileInfo(strChosen).absolutePath()));
    frame.AddMessage("Picture saved to " + strPath);
}
