// SPDX-License-Identifier: MIT
// One line of the output log: "%02d/%s/%d %02d:%02d:%02d: %s" from the local time (day,
// month abbreviation, year, hour, minute, second) and the message, as it is.
#pragma once

#include <ctime>
#include <string>

// Month abbreviations by month number; index 0 is never a month.
inline constexpr const char* kMonthNames[13] = {"Dum", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// time holds local-time fields as std::localtime gives them (tm_mon 0 for January, tm_year
// counted from 1900). A month outside the table is written as its index 0.
std::string FormatOutputLine(const std::tm& time, const std::string& strMessage);
// The same at the current local time.
std::string FormatOutputLineNow(const std::string& strMessage);
