// SPDX-License-Identifier: MIT
#include "dialogs/core/VersionText.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* kProductName = "Korvat Nimbrel";
constexpr const char* kLatestMessage = "You are using the latest version of %s";
constexpr const char* kNewerMessage =
    "A new Version is Available from Internet. Please Click on the Link to Get More "
    "Informations and Download the Latest release of %s";

DWORD LowWord(int nValue) {
    return DWORD(nValue) & 0xFFFF;
}

std::string Format(const char* pszFormat, const char* pszArgument) {
    const int nLength = std::snprintf(nullptr, 0, pszFormat, pszArgument);
    std::string strText(std::size_t(nLength > 0 ? nLength : 0), '\0');
    std::snprintf(strText.data(), strText.size() + 1, pszFormat, pszArgument);
    return strText;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool StartsWithNoCase(const std::string& strText, const char* pszPrefix) {
    const std::size_t nLength = std::strlen(pszPrefix);
    if (strText.size() < nLength) {
        return false;
    }
    for (std::size_t i = 0; i < nLength; ++i) {
        if (std::tolower(static_cast<unsigned char>(strText[i])) != pszPrefix[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

int LeadingNumber(const std::string& strField) {
    // strtoll over the field alone, so that no byte after the field is looked at; values
    // beyond an int end at its limits.
    const long long nValue = std::strtoll(strField.c_str(), nullptr, 10);
    if (nValue > INT_MAX) {
        return INT_MAX;
    }
    if (nValue < INT_MIN) {
        return INT_MIN;
    }
    return int(nValue);
}

CVersionText ParseVersionText(const std::string& strText) {
    const std::string strC(strText.c_str());
    std::string fields[4];
    std::size_t nStart = 0;
    for (int i = 0; i < 4 && nStart <= strC.size(); ++i) {
        std::size_t nEnd = strC.find('|', nStart);
        if (nEnd == std::string::npos) {
            nEnd = strC.size();
        }
        fields[i] = strC.substr(nStart, nEnd - nStart);
        nStart = nEnd + 1;
    }
    CVersionText version;
    version.dwWebMS = LowWord(LeadingNumber(fields[0])) << 16 | LowWord(LeadingNumber(fields[1]));
    version.dwWebLS = LowWord(LeadingNumber(fields[2])) << 16;
    version.strLink = fields[3];
    return version;
}

std::string FormatVersion(DWORD dwMS, DWORD dwLS) {
    char szText[32];
    std::snprintf(szText, sizeof szText, "%u.%u", unsigned(dwMS >> 16), unsigned(dwMS & 0xFFFF));
    std::string strText = szText;
    const DWORD dwThird = dwLS >> 16;
    if (dwThird > 0) {
        const char cLetter = char((96 + (dwThird & 0xFF)) & 0xFF);
        if (cLetter != '\0') {
            strText += cLetter;
        }
    }
    return strText;
}

std::string UpdateResultMessage(int nStatus) {
    return Format(nStatus == 2 ? kLatestMessage : kNewerMessage, kProductName);
}

std::string TrimLink(const std::string& strLink) {
    std::size_t nFirst = 0;
    std::size_t nLast = strLink.size();
    while (nFirst < nLast && IsBlank(strLink[nFirst])) {
        ++nFirst;
    }
    while (nLast > nFirst && IsBlank(strLink[nLast - 1])) {
        --nLast;
    }
    return strLink.substr(nFirst, nLast - nFirst);
}

bool IsOpenableLink(const std::string& strLink) {
    const std::string strAddress = TrimLink(strLink);
    std::size_t nScheme = 0;
    if (StartsWithNoCase(strAddress, "http://")) {
        nScheme = 7;
    } else if (StartsWithNoCase(strAddress, "https://")) {
        nScheme = 8;
    } else {
        return false;
    }
    // A host must follow: "http:///etc/passwd" names a local file to some openers.
    if (strAddress.size() == nScheme || strAddress[nScheme] == '/') {
        return false;
    }
    for (const char c : strAddress) {
        const auto uc = static_cast<unsigned char>(c);
        if (uc <= 0x20 || uc >= 0x7F) {
            return false;
        }
    }
    return true;
}
