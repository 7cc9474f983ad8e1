// SPDX-License-Identifier: MIT
// The version text taken apart, the versions and messages the dialog shows, and which
// product-page texts may be opened.
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "dialogs/core/VersionText.h"

namespace {

struct CParseCase {
    const char* pszName;
    std::string strText;
    DWORD dwWebMS;
    DWORD dwWebLS;
    std::string strLink;
};

void PrintTo(const CParseCase& c, std::ostream* pStream) {
    *pStream << c.pszName;
}

class ParseVersionTextTest : public testing::TestWithParam<CParseCase> {};

TEST_P(ParseVersionTextTest, Fields) {
    const CParseCase& c = GetParam();
    const CVersionText version = ParseVersionText(c.strText);
    EXPECT_EQ(version.dwWebMS, c.dwWebMS);
    EXPECT_EQ(version.dwWebLS, c.dwWebLS);
    EXPECT_EQ(version.strLink, c.strLink);
}

const CParseCase kParseCases[] = {
    {"Latest", "2|0|0|http://www.korvat.com/", 0x20000, 0, "http://www.korvat.com/"},
    {"Newer", "2|0|1|page", 0x20000, 0x10000, "page"},
    {"LowHalfOnly", "1|9|1|page", 0x10009, 0x10000, "page"},
    {"Above16Bits", "65537|65537|65537|", 0x10001, 0x10000, ""},
    {"BlanksAndSigns", " +2|\t-1|  3x|p", 0x2FFFF, 0x30000, "p"},
    {"NoDigits", "a|b|c|d", 0, 0, "d"},
    {"Saturated", "99999999999|0|0|", 0xFFFF0000, 0, ""},
    {"LineBreakBelongsToTheLink", "2|0|0|http://x/\r\n", 0x20000, 0, "http://x/\r\n"},
    {"FourthFieldEndsAtABar", "2|0|0|link|more|fields", 0x20000, 0, "link"},
    {"MissingFields", "2", 0x20000, 0, ""},
    {"Empty", "", 0, 0, ""},
    {"ErrorPage", "<html><body>404 Not Found</body></html>", 0, 0, ""},
    {"EndsAtZeroByte", std::string("2|0\0|1|x", 8), 0x20000, 0, ""},
};

INSTANTIATE_TEST_SUITE_P(Texts, ParseVersionTextTest, testing::ValuesIn(kParseCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

TEST(VersionTextTest, FormatVersionAddsALetterForTheThirdNumber) {
    struct CCase {
        DWORD dwMS;
        DWORD dwLS;
        const char* pszText;
    };
    const CCase cases[] = {
        {0x20000, 0x00000, "2.0"},
        {0x20000, 0x10000, "2.0a"},
        {0x20000, 0x1A0000, "2.0z"},
        {0x20000, 0x1B0000, "2.0{"},
        {0x20000, 0x00005, "2.0"},
        {0x10009, 0x10000, "1.9a"},
        {0, 0, "0.0"},
        {0xFFFFFFFF, 0, "65535.65535"},
        // 96 + 160 is 256, within 8 bits 0: no character is added.
        {0x20000, 0xA00000, "2.0"},
    };
    for (const CCase& c : cases) {
        EXPECT_EQ(FormatVersion(c.dwMS, c.dwLS), c.pszText) << c.pszText;
    }
    EXPECT_EQ(FormatVersion(0x20000, 0x9F0000), std::string("2.0") + char(0xFF));
}

TEST(VersionTextTest, Messages) {
    EXPECT_EQ(UpdateResultMessage(2), "You are using the latest version of Korvat Nimbrel");
    const std::string strNewer =
        "A new Version is Available from Internet. Please Click on the Link to Get More "
        "Informations and Download the Latest release of Korvat Nimbrel";
    EXPECT_EQ(UpdateResultMessage(1), strNewer);
    EXPECT_EQ(UpdateResultMessage(0), strNewer);
}

TEST(VersionTextTest, OnlyWebAddressesMayBeOpened) {
    struct CCase {
        std::string strLink;
        bool bOpenable;
    };
    const CCase cases[] = {
        {"http://www.korvat.com/applications/nimbrel/nimbrel.php", true},
        {" https://example.org/a?b=c&d=%20\r\n", true},
        {"HTTP://EXAMPLE.ORG", true},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"/usr/bin/xterm", false},
        {"xterm -e sh", false},
        {"", false},
        {"http://", false},
        {"http:///etc/passwd", false},
        {"ftp://example.org/", false},
        {"mailto:someone@example.org", false},
        {"http://example.org/a b", false},
        {"http://example.org/\x01", false},
        {"http://example.org/\x7F", false},
        {"http://exampl\xE9.org/", false},
        {" http://example.org/\r\nfile:///etc/passwd", false},
    };
    for (const CCase& c : cases) {
        EXPECT_EQ(IsOpenableLink(c.strLink), c.bOpenable) << c.strLink;
    }
    EXPECT_EQ(TrimLink(" \t https://example.org/\r\n"), "https://example.org/");
    EXPECT_EQ(TrimLink("\r\n"), "");
}

} // namespace
