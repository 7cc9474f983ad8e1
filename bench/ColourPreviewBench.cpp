// SPDX-License-Identifier: MIT
// What a colour or fading click in the colour dialog costs: the preview takes the new
// values and repaints at the size of its control (415 x 260 dialog units of an 8-point font,
// inside a one-pixel border), for each curve at the record that costs it the most; beside
// it the same picture in a 1920 x 1080 main view, which the preview must never be slower than.
// Machine: the project's 2-core x86-64 build machine; Release build (-O3 via CMake).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "fractals/FractalCatalog.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/RasterDC.h"
#include "platform/ui/core/ViewHost.h"
#include "resources/ColourDialogTemplate.h"

namespace {

struct CCostlyRecord {
    int nPosition;
    int nLevel;
    int nFrame;
    int nGrain;
    int nParam1;
    int nParam2;
    const char* pszFoldCode; // the dragon only
};

// The ribbon's extremes that cost each curve the most.
constexpr CCostlyRecord kRecords[] = {
    {0, 10, 6, 2, 1, 1000, nullptr}, // hexagon, square bumps, level 10, ratio 1000
    {1, 10, 0, 0, 0, 0, nullptr},
    {2, 10, 0, 0, 0, 0, nullptr},
    {3, 10, 0, 0, 0, 0, nullptr},
    {4, 10, 4, 0, 0, 0, nullptr},
    {5, 8, 0, 1, 0, 0, nullptr}, // filled
    {6, 8, 4, 1, 0, 0, nullptr}, // carpet, filled
    {7, 5, 0, 1, 0, 0, nullptr}, // filled
    {8, 10, 0, 0, 0, 0, nullptr},
    {9, 0, 0, 0, 0, 0, "1111111111111111"}, // sixteen folds, the most the ribbon takes
};

// The preview's client size: control 1012 in pixels, less its border.
CRect PreviewRect() {
    for (const CDialogItemData& item : kColourDialogItems) {
        if (item.nID == IDC_PREVIEW) {
            return CRect{0, 0, MulDiv(item.cx, kNominalBaseUnitX, 4) - 2,
                         MulDiv(item.cy, kNominalBaseUnitY, 8) - 2};
        }
    }
    return {};
}

void Repaint(benchmark::State& state, const CCostlyRecord& r, CRect rc) {
    std::unique_ptr<CNimbrelBaseView> pView = CreateFractalView(r.nPosition);
    pView->SetClock([] { return std::int64_t(1); });
    const int nFrame = r.nFrame != 0 ? r.nFrame : pView->m_nFrame;
    const int nGrain = r.nGrain != 0 ? r.nGrain : pView->m_nGrain;
    const int nParam1 = r.nParam1 != 0 ? r.nParam1 : pView->m_nParam1;
    const int nParam2 = r.nParam2 != 0 ? r.nParam2 : pView->m_nParam2;
    const int nParam3 = pView->m_nParam3;
    pView->ComputeDrawingRects(rc);
    CRasterDC dc(rc.Width(), rc.Height());
    int nFading = 0;
    for (auto _ : state) {
        // One click: the dialog's values handed over, then the paint every host does.
        nFading = (nFading + 1) % 7;
        if (r.pszFoldCode != nullptr) {
            pView->SetFoldParameters(r.pszFoldCode, pView->m_crCurve, pView->m_Background.m_crFirst,
                                     pView->m_Background.m_crSecond, nFading);
        } else {
            pView->SetParameters(r.nLevel, nGrain, nParam1, nParam2, nParam3, nFrame,
                                 pView->m_crCurve, pView->m_Background.m_crFirst,
                                 pView->m_Background.m_crSecond, nFading);
        }
        PaintHostedView(*pView, dc);
        benchmark::DoNotOptimize(dc.Bits());
    }
}

const bool kRegistered = [] {
    const CRect rcPreview = PreviewRect();
    const CRect rcMain{0, 0, 1920, 1080};
    for (const CCostlyRecord& r : kRecords) {
        const std::string strName = FractalCatalog()[std::size_t(r.nPosition)].pszRenderName;
        for (const auto& [pszHost, rc] :
             {std::pair{"preview", rcPreview}, std::pair{"main", rcMain}}) {
            benchmark::RegisterBenchmark((strName + "/" + pszHost).c_str(), Repaint, r, rc)
                ->Unit(benchmark::kMillisecond)
                ->MinTime(0.2);
        }
    }
    return true;
}();

} // namespace

BENCHMARK_MAIN();
