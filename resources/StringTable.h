// SPDX-License-Identifier: MIT
// The string table and the program's fixed names: titles, captions and the maker's web
// host (the status-bar link opens its site; the web commands and the update check use the
// same host).
#pragma once

#include <string>

#include "platform/WinTypes.h"

inline constexpr const char* kFrameTitle = "Korvat Nimbrel 2.0";
inline constexpr const char* kProductVersionName = "Nimbrel 2.0";
// The host is spelled once; the string table builds the version address from it too.
#define NIMBREL_MAKER_HOST "www.korvat.com"
inline constexpr const char* kMakerHost = NIMBREL_MAKER_HOST;
inline constexpr const char* kMakerSite = "http://" NIMBREL_MAKER_HOST;
// The product page the update dialog's link shows until a check replaces it.
inline constexpr const char* kProductPage =
    "http://" NIMBREL_MAKER_HOST "/applications/nimbrel/nimbrel.php";
// The pages of the "Feedback and Support", "Nimbrel on Korvat" and "Korvat Support" commands;
// the support page is the support section of the maker's page of another of its products.
inline constexpr const char* kFeedbackPage =
    "http://" NIMBREL_MAKER_HOST "/applications/nimbrel/nimbrel_feedback_support.php";
inline constexpr const char* kKorvatPage = kProductPage;
inline constexpr const char* kKorvatSupportPage =
    "http://" NIMBREL_MAKER_HOST "/applications/tessamo/tessamo.php#support";

// The text of a string resource; empty for an identifier the table does not hold.
std::string LoadResourceString(UINT nID);
