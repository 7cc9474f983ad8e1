// SPDX-License-Identifier: MIT
#include "app/OutputLine.h"

#include <cstdio>

std::string FormatOutputLine(const std::tm& time, const std::string& strMessage) {
    const int nMonth = time.tm_mon + 1;
    const char* pszMonth = nMonth >= 1 && nMonth <= 12 ? kMonthNames[nMonth] : kMonthNames[0];
    char prefix[96];
    std::snprintf(prefix, sizeof prefix, "%02d/%s/%lld %02d:%02d:%02d: ", time.tm_mday, pszMonth,
                  static_cast<long long>(time.tm_year) + 1900, time.tm_hour, time.tm_min,
                  time.tm_sec);
    // The message is appended, not formatted: its percent signs stay as they are.
    return prefix + strMessage;
}

std::string FormatOutputLineNow(const std::string& strMessage) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return FormatOutputLine(local, strMessage);
}
