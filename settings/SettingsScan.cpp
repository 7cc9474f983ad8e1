// SPDX-License-Identifier: MIT
#include "settings/SettingsScan.h"

#include <cstdint>
#include <limits>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// One "%d": advances p past the number and answers false when there is none or it does not
// fit; stops adding digits once the magnitude is past the range, so any length is safe.
bool ScanNumber(const char*& p, int& nValue) {
    while (IsSpace(*p)) {
        ++p;
    }
    const bool bNegative = *p == '-';
    if (*p == '-' || *p == '+') {
        ++p;
    }
    if (!IsDigit(*p)) {
        return false;
    }
    const std::int64_t nLimit = bNegative ? -std::int64_t(std::numeric_limits<int>::min())
                                          : std::int64_t(std::numeric_limits<int>::max());
    std::int64_t nMagnitude = 0;
    bool bFits = true;
    for (; IsDigit(*p); ++p) {
        if (bFits) {
            nMagnitude = nMagnitude * 10 + (*p - '0');
            bFits = nMagnitude <= nLimit;
        }
    }
    if (!bFits) {
        return false;
    }
    nValue = int(bNegative ? -nMagnitude : nMagnitude);
    return true;
}

} // namespace

int ScanSettingsNumbers(const std::string& strText, std::span<int> values) {
    const char* p = strText.c_str();
    int nConverted = 0;
    for (int& nValue : values) {
        if (nConverted > 0) {
            if (*p != ',') {
                break;
            }
            ++p;
        }
        if (!ScanNumber(p, nValue)) {
            break;
        }
        ++nConverted;
    }
    return nConverted;
}
