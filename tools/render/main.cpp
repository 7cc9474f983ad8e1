// SPDX-License-Identifier: MIT
// nimbrel-render: draws one curve, or replays a trace, to a PNG picture, a trace or an SVG.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "fractals/FractalCatalog.h"
#include "platform/gdi/PngFile.h"
#include "platform/gdi/RasterDC.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/gdi/SvgWriter.h"
#include "platform/gdi/TraceFile.h"
#include "platform/ui/core/PictureHost.h"
#include "platform/fs/AtomicFile.h"
#include "platform/fs/OutputTarget.h"
#include "tools/render/RenderOptions.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 2;

int Fail(const std::string& strMessage) {
    std::fprintf(stderr, "nimbrel-render: %s\n", strMessage.c_str());
    return kExitFailure;
}

void ApplyOptions(const CRenderOptions& options, CNimbrelBaseView& view) {
    auto set = [](auto& member, const auto& value) {
        if (value) {
            member = *value;
        }
    };
    set(view.m_nLevel, options.nLevel);
    set(view.m_nFrame, options.nFrame);
    set(view.m_nGrain, options.nGrain);
    set(view.m_nParam1, options.nParam1);
    set(view.m_nParam2, options.nParam2);
    set(view.m_nParam3, options.nParam3);
    set(view.m_crCurve, options.crCurve);
    set(view.m_Background.m_crFirst, options.crFirst);
    set(view.m_Background.m_crSecond, options.crSecond);
    set(view.m_Background.m_nFading, options.nFading);
    if (options.strCode) {
        // The dragon relies on its fold count being the code's length.
        view.m_strFoldCode = *options.strCode;
        view.m_nParam1 = int(options.strCode->size());
    }
    if (options.nSeed) {
        view.SetClock([nSeed = *options.nSeed] { return nSeed; });
    }
    view.OnSize(SIZE_RESTORED, options.nWidth, options.nHeight);
    if (options.rcDraw) {
        view.m_rcBackground = *options.rcDraw;
        view.m_rcDraw = *options.rcDraw;
    }
}

// The outputs, resolved before anything is drawn so that a refused name costs nothing.
struct COutputs {
    COutputTarget png, trace, svg;
};

int WritePng(const COutputTarget& target, const CRasterDC& dc) {
    const CPngWriteResult result = WritePngFile(target.strPath, dc.Bits(), dc.Width(), dc.Height(),
                                                dc.StridePixels(), target.nMode);
    return result.bOk ? kExitOk : Fail(result.strError);
}

int Replay(const CRenderOptions& options, const COutputs& outputs) {
    const CTraceReadResult trace = ReadTraceFile(options.strReplayPath);
    if (!trace.recording) {
        return Fail(trace.strError);
    }
    CRasterDC dc(trace.recording->nWidth, trace.recording->nHeight, trace.recording->crBackground);
    Replay(*trace.recording, &dc);
    return WritePng(outputs.png, dc);
}

int Render(const CRenderOptions& options, const COutputs& targets, CNimbrelBaseView& view) {
    if (!options.strPngPath.empty()) {
        CRasterDC dc(options.nWidth, options.nHeight);
        PaintHostedView(view, dc);
        if (const int nResult = WritePng(targets.png, dc); nResult != kExitOk) {
            return nResult;
        }
    }
    if (options.strTracePath.empty() && options.strSvgPath.empty()) {
        return kExitOk;
    }
    CRecordingDC dc(options.nWidth, options.nHeight);
    PaintHostedView(view, dc);
    const struct {
        const std::string& strPath;
        const COutputTarget& target;
        std::string (*pfnWrite)(const CRecording&);
    } outputs[] = {{options.strTracePath, targets.trace, &WriteTrace},
                   {options.strSvgPath, targets.svg, &WriteSvg}};
    for (const auto& output : outputs) {
        if (output.strPath.empty()) {
            continue;
        }
        const std::string strError = WriteFileAtomically(
            output.target.strPath, output.pfnWrite(dc.Recording()), output.target.nMode);
        if (!strError.empty()) {
            return Fail(strError);
        }
    }
    return kExitOk;
}

} // namespace

int main(int argc, char** argv) {
    const CParsedOptions parsed =
        ParseRenderOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        return Fail(parsed.strError);
    }
    const CRenderOptions& options = *parsed.options;
    if (options.bHelp) {
        std::fputs(kRenderUsage, stdout);
        return kExitOk;
    }
    if (options.bList) {
        for (const CFractalInfo& info : FractalCatalog()) {
            std::printf("%s\n", info.pszRenderName);
        }
        return kExitOk;
    }
    COutputs outputs;
    const struct {
        const std::string& strPath;
        COutputTarget& target;
    } names[] = {{options.strPngPath, outputs.png},
                 {options.strTracePath, outputs.trace},
                 {options.strSvgPath, outputs.svg}};
    for (const auto& name : names) {
        if (!name.strPath.empty()) {
            name.target = ResolveOutputTarget(name.strPath);
            if (!name.target.strError.empty()) {
                return Fail(name.target.strError);
            }
        }
    }
    if (!options.strReplayPath.empty()) {
        return Replay(options, outputs);
    }
    const CFractalInfo* pInfo = FindFractal(options.strCurve);
    if (pInfo == nullptr) {
        return Fail("unknown curve '" + options.strCurve + "' (see --list)");
    }
    std::unique_ptr<CNimbrelBaseView> pView = pInfo->pfnCreate();
    // The renderer hosts the one view it draws: a picture of the requested size, the stored
    // record only with --stored, never the ribbon or a write to the store.
    CPictureHost host(*pView, CRect{0, 0, options.nWidth, options.nHeight},
                      CViewHosting{options.bStored, false, false});
    pView->OnInitialUpdate();
    ApplyOptions(options, *pView);
    if (options.bPrintSettings) {
        std::fputs(pView->FormatSettings(pView->GetSettingsName()).c_str(), stdout);
        return kExitOk;
    }
    return Render(options, outputs, *pView);
}
