// SPDX-License-Identifier: MIT
// The settings string of a view: ten numbers for every curve, the folding code and four
// colour values for the Heighway dragon. Parsed with the standard formatted scan, so a
// number may follow white space and carry a sign, and text after the last one is ignored.
#include <cstdio>

#include "settings/RegistryFunctions.h"
#include "views/NimbrelBaseView.h"

namespace {

constexpr const char* kHeighwayName = "HeighwayView";
constexpr int kFoldEntries = 16;

} // namespace

std::string CNimbrelBaseView::FormatSettings(const std::string& strName) const {
    char buffer[256];
    if (strName == kHeighwayName) {
        std::string text = std::to_string(m_strFoldCode.size()) + ",";
        int nEntries = 0;
        for (char c : m_strFoldCode) {
            if (nEntries == kFoldEntries) {
                break;
            }
            text += c == '0' ? "0," : "1,";
            ++nEntries;
        }
        for (; nEntries < kFoldEntries; ++nEntries) {
            text += "0,";
        }
        std::snprintf(buffer, sizeof buffer, "%d,%d,%d,%d\n", int(m_crCurve),
                      int(m_Background.m_crFirst), int(m_Background.m_crSecond),
                      m_Background.m_nFading);
        return text + buffer;
    }
    std::snprintf(buffer, sizeof buffer, "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d\n", m_nLevel, m_nGrain,
                  m_nParam1, m_nParam2, m_nParam3, m_nFrame, int(m_crCurve),
                  int(m_Background.m_crFirst), int(m_Background.m_crSecond),
                  m_Background.m_nFading);
    return buffer;
}

BOOL CNimbrelBaseView::ParseSettings(const std::string& strName, const std::string& strText) {
    int v[21] = {};
    if (strName == kHeighwayName) {
        const int nCount = std::sscanf(
            strText.c_str(), "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d\n",
            &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &v[11],
            &v[12], &v[13], &v[14], &v[15], &v[16], &v[17], &v[18], &v[19], &v[20]);
        if (nCount < 21) {
            return 0;
        }
        std::string strCode;
        for (int i = 1; i <= v[0] && i <= kFoldEntries; ++i) {
            strCode += v[i] != 0 ? '1' : '0';
        }
        SetFoldParameters(strCode, COLORREF(v[17]), COLORREF(v[18]), COLORREF(v[19]), v[20]);
        return 1;
    }
    const int nCount = std::sscanf(strText.c_str(), "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d\n", &v[0],
                                   &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9]);
    if (nCount < 10) {
        return 0;
    }
    SetParameters(v[0], v[1], v[2], v[3], v[4], v[5], COLORREF(v[6]), COLORREF(v[7]),
                  COLORREF(v[8]), v[9]);
    return 1;
}

void CNimbrelBaseView::SaveSettings(const std::string& strName) const {
    WriteRegistryString(kParameterKey, strName, REG_SZ, FormatSettings(strName));
}

BOOL CNimbrelBaseView::LoadSettings(const std::string& strName) {
    std::string strText;
    if (ReadRegistryString(kParameterKey, strName, strText) != 0) {
        return 0;
    }
    return ParseSettings(strName, strText);
}
