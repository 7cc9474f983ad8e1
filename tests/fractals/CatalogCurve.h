// SPDX-License-Identifier: MIT
// The cross-curve tables' one helper: a view of any curve of the catalogue, made by its
// renderer name with the record members a table row names, and its picture as a trace or
// a digest, painted on a plain background so that the background is a single fill.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "fractals/FractalCatalog.h"
#include "platform/gdi/RecordingDC.h"
#include "support/DigestDC.h"

// The record members a row sets; the others keep the curve's defaults.
struct CRecordSetup {
    std::optional<int> nFrame = std::nullopt;
    std::optional<int> nLevel = std::nullopt;
    std::optional<int> nGrain = std::nullopt;
    std::optional<int> nParam1 = std::nullopt;
    std::optional<int> nParam2 = std::nullopt;
};

inline std::ostream& operator<<(std::ostream& os, const CRecordSetup& setup) {
    const auto field = [&os](const char* pszName, const std::optional<int>& value) {
        if (value) {
            os << " " << pszName << "=" << *value;
        }
    };
    field("frame", setup.nFrame);
    field("level", setup.nLevel);
    field("grain", setup.nGrain);
    field("param1", setup.nParam1);
    field("param2", setup.nParam2);
    return os;
}

// The background rectangle of every picture of the tables, and its one fill.
inline const CRect kPlainBackground{0, 0, 1, 1};
inline constexpr COLORREF kPlainColour = 7;
inline const std::string kPlainFill = "fillrect 0 0 1 1 7";

// The curve of the catalogue named pszCurve, with the row's members set, a plain background
// and a clock fixed at one second, for the curves that seed their generator from it.
inline std::unique_ptr<CNimbrelBaseView> MakeCatalogCurve(const char* pszCurve,
                                                          const CRecordSetup& setup = {}) {
    const CFractalInfo* pInfo = FindFractal(pszCurve);
    if (pInfo == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CNimbrelBaseView> pView = pInfo->pfnCreate();
    const auto set = [](int& nMember, const std::optional<int>& value) {
        if (value) {
            nMember = *value;
        }
    };
    set(pView->m_nFrame, setup.nFrame);
    set(pView->m_nLevel, setup.nLevel);
    set(pView->m_nGrain, setup.nGrain);
    set(pView->m_nParam1, setup.nParam1);
    set(pView->m_nParam2, setup.nParam2);
    pView->m_Background.m_nFading = 0;
    pView->m_Background.m_crFirst = kPlainColour;
    pView->SetClock([] { return std::int64_t(1); });
    return pView;
}

inline std::vector<std::string> PlainTrace(CNimbrelBaseView& view, CRect rcDraw) {
    CRecordingDC dc;
    CRect rcBackground = kPlainBackground;
    view.DrawFractal(&dc, &rcBackground, &rcDraw);
    return dc.TraceLines();
}

// The calls and a digest of them, for pictures of millions of calls.
struct CPictureDigest {
    std::uint64_t nDigest;
    std::uint64_t nCalls;
    friend bool operator==(const CPictureDigest&, const CPictureDigest&) = default;
    friend std::ostream& operator<<(std::ostream& os, const CPictureDigest& digest) {
        return os << digest.nCalls << " calls, digest " << digest.nDigest;
    }
};

inline CPictureDigest PlainDigest(CNimbrelBaseView& view, CRect rcDraw) {
    CDigestDC dc;
    CRect rcBackground = kPlainBackground;
    view.DrawFractal(&dc, &rcBackground, &rcDraw);
    return {dc.m_nDigest, dc.m_nCalls};
}
