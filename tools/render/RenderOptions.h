// SPDX-License-Identifier: MIT
// The command line of nimbrel-render: which curve, the window it is drawn in, the record
// members set over the view's defaults, and where the picture goes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/GdiTypes.h"

struct CRenderOptions {
    std::string strCurve = "koch";
    int nWidth = 800;
    int nHeight = 600;
    std::optional<CRect> rcDraw;

    std::optional<int> nLevel, nFrame, nGrain, nParam1, nParam2, nParam3, nFading;
    std::optional<std::string> strCode;
    std::optional<COLORREF> crCurve, crFirst, crSecond;
    std::optional<std::int64_t> nSeed;

    bool bStored = false;
    bool bPrintSettings = false;
    bool bList = false;
    bool bHelp = false;

    std::string strPngPath;
    std::string strTracePath;
    std::string strSvgPath;
    std::string strReplayPath;
};

struct CParsedOptions {
    std::optional<CRenderOptions> options;
    std::string strError; // one line saying what is wrong when there are no options
};

CParsedOptions ParseRenderOptions(const std::vector<std::string>& args);

extern const char* const kRenderUsage;
