// SPDX-License-Identifier: MIT
// A view's whole record as one comparable value, for tests that check which members a
// command or a dialog changed.
#pragma once

#include <string>
#include <tuple>

#include "views/NimbrelBaseView.h"

// Level, curve colour, frame, grain, the three parameters, the folding code, the two
// background colours and the fading, in that order.
using CViewRecord =
    std::tuple<int, COLORREF, int, int, int, int, int, std::string, COLORREF, COLORREF, int>;

inline CViewRecord ViewRecord(const CNimbrelBaseView& view) {
    return {view.m_nLevel,
            view.m_crCurve,
            view.m_nFrame,
            view.m_nGrain,
            view.m_nParam1,
            view.m_nParam2,
            view.m_nParam3,
            view.m_strFoldCode,
            view.m_Background.m_crFirst,
            view.m_Background.m_crSecond,
            view.m_Background.m_nFading};
}
