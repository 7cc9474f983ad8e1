// SPDX-License-Identifier: MIT
#include "settings/RegistryFunctions.h"

#include <gtest/gtest.h>

#include "platform/registry/TempConfigHome.h"

namespace {

constexpr const char* kOtherKey = "Software\\Korvat\\Korvat Nimbrel\\Elsewhere";

class RegistryFunctionsTest : public ::testing::Test {
protected:
    CTempConfigHome m_home;
};

TEST_F(RegistryFunctionsTest, MissingKeyFailsEveryCallAndCreatesNothing) {
    std::string strText = "kept";
    DWORD dwValue = 77;
    EXPECT_EQ(ReadRegistryString(kParameterKey, "VonKochView", strText), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ReadRegistryDword(kParameterKey, "NoUpdateCheck", dwValue), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(WriteRegistryString(kParameterKey, "VonKochView", REG_SZ, "1"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(WriteRegistryDword(kParameterKey, "NoUpdateCheck", REG_DWORD, 1),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(strText, "kept");
    EXPECT_EQ(dwValue, 77u);
    HKEY hKey = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kParameterKey, 0, KEY_READ, &hKey),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryFunctionsTest, CreateBranchIsQuietAndLeavesAnExistingKeyAlone) {
    EXPECT_EQ(CreateRegistryBranch(kParameterKey), 1);
    EXPECT_EQ(WriteRegistryDword(kParameterKey, "LastCheckTime", REG_DWORD, 123456), 0);
    EXPECT_EQ(CreateRegistryBranch(kParameterKey), 1);
    DWORD dwValue = 0;
    EXPECT_EQ(ReadRegistryDword(kParameterKey, "LastCheckTime", dwValue), 0);
    EXPECT_EQ(dwValue, 123456u);
    EXPECT_TRUE(m_home.Messages().empty());
}

TEST_F(RegistryFunctionsTest, ValuesRoundTripAndMissingValuesKeepTheCallersVariable) {
    CreateRegistryBranch(kParameterKey);
    const struct {
        const char* pszName;
        DWORD dwValue;
    } dwords[] = {{"NoUpdateCheck", 0}, {"CurrentVersion", 20}, {"LastCheckTime", 0xFFFFFFFF}};
    for (const auto& d : dwords) {
        EXPECT_EQ(WriteRegistryDword(kParameterKey, d.pszName, REG_DWORD, d.dwValue), 0);
        DWORD dwRead = 12345;
        EXPECT_EQ(ReadRegistryDword(kParameterKey, d.pszName, dwRead), 0);
        EXPECT_EQ(dwRead, d.dwValue) << d.pszName;
    }
    for (const std::string& strText : {std::string(), std::string("1,2,3\n"),
                                       std::string("\xA0\xE9\x80"), std::string(499, 'y')}) {
        EXPECT_EQ(WriteRegistryString(kParameterKey, "Text", REG_SZ, strText), 0);
        std::string strRead = "old";
        EXPECT_EQ(ReadRegistryString(kParameterKey, "Text", strRead), 0);
        EXPECT_EQ(strRead, strText);
    }
    DWORD dwValue = 42;
    std::string strText = "old";
    EXPECT_EQ(ReadRegistryDword(kParameterKey, "ImgListStyle", dwValue), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ReadRegistryString(kParameterKey, "ImgListStyle", strText), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(dwValue, 42u);
    EXPECT_EQ(strText, "old");
}

TEST_F(RegistryFunctionsTest, TextsTooLongForTheBufferAreRefusedBothWays) {
    CreateRegistryBranch(kParameterKey);
    EXPECT_EQ(WriteRegistryString(kParameterKey, "Long", REG_SZ, std::string(500, 'z')),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(WriteRegistryString(kParameterKey, "Long", REG_SZ, std::string(100000, 'z')),
              ERROR_INVALID_PARAMETER);
    std::string strText = "old";
    EXPECT_EQ(ReadRegistryString(kParameterKey, "Long", strText), ERROR_FILE_NOT_FOUND);

    // A longer value written by someone else cannot be read into the 500-byte buffer.
    HKEY hKey = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kParameterKey, 0, KEY_ALL_ACCESS, &hKey), 0);
    const std::string strBytes(501, 'w');
    ASSERT_EQ(RegSetValueExA(hKey, "Long", 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(strBytes.data()), 501),
              0);
    RegCloseKey(hKey);
    EXPECT_EQ(ReadRegistryString(kParameterKey, "Long", strText), ERROR_MORE_DATA);
    EXPECT_EQ(strText, "old");
}

TEST_F(RegistryFunctionsTest, TypesAreNotExamined) {
    CreateRegistryBranch(kParameterKey);
    // A DWORD read as text: its bytes less the last.
    EXPECT_EQ(WriteRegistryDword(kParameterKey, "Mixed", REG_DWORD, 0x00434241), 0);
    std::string strText;
    EXPECT_EQ(ReadRegistryString(kParameterKey, "Mixed", strText), 0);
    EXPECT_EQ(strText, "ABC");
    // Text read as a DWORD: a two-byte value only replaces the low bytes.
    EXPECT_EQ(WriteRegistryString(kParameterKey, "Mixed", REG_SZ, "1"), 0);
    DWORD dwValue = 0xAABBCCDD;
    EXPECT_EQ(ReadRegistryDword(kParameterKey, "Mixed", dwValue), 0);
    EXPECT_EQ(dwValue, 0xAABB0031u);
    // A text too long for four bytes.
    EXPECT_EQ(WriteRegistryString(kParameterKey, "Mixed", REG_SZ, "12345"), 0);
    EXPECT_EQ(ReadRegistryDword(kParameterKey, "Mixed", dwValue), ERROR_MORE_DATA);
    EXPECT_EQ(dwValue, 0xAABB0031u);
    // The type given is the type stored.
    EXPECT_EQ(WriteRegistryString(kParameterKey, "Typed", REG_BINARY, "x"), 0);
    HKEY hKey = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kParameterKey, 0, KEY_READ, &hKey), 0);
    DWORD dwType = REG_NONE;
    EXPECT_EQ(RegQueryValueExA(hKey, "Typed", nullptr, &dwType, nullptr, nullptr), 0);
    EXPECT_EQ(dwType, REG_BINARY);
    RegCloseKey(hKey);
}

TEST_F(RegistryFunctionsTest, KeysAreSeparate) {
    CreateRegistryBranch(kParameterKey);
    CreateRegistryBranch(kOtherKey);
    EXPECT_EQ(WriteRegistryDword(kOtherKey, "Value", REG_DWORD, 1), 0);
    DWORD dwValue = 0;
    EXPECT_EQ(ReadRegistryDword(kParameterKey, "Value", dwValue), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ReadRegistryDword(kOtherKey, "Value", dwValue), 0);
    EXPECT_EQ(dwValue, 1u);
}

} // namespace
