// SPDX-License-Identifier: MIT
// CNimbrelBaseView's settings string: ten numbers for every curve, the folding code and
// four colour values for the Heighway dragon. Read back with the formatted-scan rules of
// SettingsScan.h; a string that does not give every number leaves the record as it was.
#include <cstdio>

#include "settings/ProgramSettings.h"
#include "settings/SettingsScan.h"
#include "views/NimbrelBaseView.h"

namespace {

// The folding code always takes sixteen entries, one per character, padded with "0,".
constexpr int kFoldEntries = 16;
constexpr int kRecordNumbers = 10;
constexpr int kFoldNumbers = 1 + kFoldEntries + 4;

// Colours are stored as the decimal integer of their 0x00BBGGRR value.
int ColourNumber(COLORREF cr) {
    return int(cr);
}

} // namespace

std::string CNimbrelBaseView::FormatSettings(const std::string& strName) const {
    char buffer[256];
    if (strName == kHeighwaySettings) {
        std::string strText = std::to_string(m_strFoldCode.size()) + ",";
        int nEntries = 0;
        for (char c : m_strFoldCode) {
            // A code longer than the string has room for keeps its first sixteen
            // characters, so the string always holds 21 numbers.
            if (nEntries == kFoldEntries) {
                break;
            }
            strText += c == '0' ? "0," : "1,";
            ++nEntries;
        }
        for (; nEntries < kFoldEntries; ++nEntries) {
            strText += "0,";
        }
        std::snprintf(buffer, sizeof buffer, "%d,%d,%d,%d\n", ColourNumber(m_crCurve),
                      ColourNumber(m_Background.m_crFirst), ColourNumber(m_Background.m_crSecond),
                      m_Background.m_nFading);
        return strText + buffer;
    }
    std::snprintf(buffer, sizeof buffer, "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d\n", m_nLevel, m_nGrain,
                  m_nParam1, m_nParam2, m_nParam3, m_nFrame, ColourNumber(m_crCurve),
                  ColourNumber(m_Background.m_crFirst), ColourNumber(m_Background.m_crSecond),
                  m_Background.m_nFading);
    return buffer;
}

BOOL CNimbrelBaseView::ParseSettings(const std::string& strName, const std::string& strText) {
    int v[kFoldNumbers] = {};
    if (strName == kHeighwaySettings) {
        if (ScanSettingsNumbers(strText, v) < kFoldNumbers) {
            return 0;
        }
        std::string strCode;
        for (int i = 1; i <= v[0] && i <= kFoldEntries; ++i) {
            strCode += v[i] != 0 ? '1' : '0';
        }
        SetFoldParameters(strCode, COLORREF(v[17]), COLORREF(v[18]), COLORREF(v[19]), v[20]);
        return 1;
    }
    if (ScanSettingsNumbers(strText, std::span(v, kRecordNumbers)) < kRecordNumbers) {
        return 0;
    }
    SetParameters(v[0], v[1], v[2], v[3], v[4], v[5], COLORREF(v[6]), COLORREF(v[7]),
                  COLORREF(v[8]), v[9]);
    return 1;
}

void CNimbrelBaseView::SaveSettings(const std::string& strName) const {
    WriteViewSettings(strName, FormatSettings(strName));
}

BOOL CNimbrelBaseView::LoadSettings(const std::string& strName) {
    const std::optional<std::string> strText = ReadViewSettings(strName);
    return strText ? ParseSettings(strName, *strText) : 0;
}
