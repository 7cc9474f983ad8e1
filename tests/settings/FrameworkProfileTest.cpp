// SPDX-License-Identifier: MIT
#include "settings/FrameworkProfile.h"

#include <gtest/gtest.h>

#include "platform/registry/TempConfigHome.h"
#include "settings/RegistryFunctions.h"

namespace {

class FrameworkProfileTest : public ::testing::Test {
protected:
    CTempConfigHome m_home;
};

TEST_F(FrameworkProfileTest, MissingValuesGiveTheDefault) {
    EXPECT_EQ(GetProfileInt("", "ApplicationLook", 210), 210);
    EXPECT_EQ(GetProfileInt("Workspace", "ApplicationLook", 210), 210);
    EXPECT_FALSE(GetProfileBinary("MainFrame", "WindowPlacement").has_value());
}

TEST_F(FrameworkProfileTest, IntegersAndBytesRoundTripInTheirSections) {
    EXPECT_TRUE(WriteProfileInt("", "ApplicationLook", 215));
    EXPECT_TRUE(WriteProfileInt("Workspace", "ApplicationLook", -3));
    const std::vector<std::uint8_t> placement = {0, 1, 2, 0xFF, 0, 44};
    EXPECT_TRUE(WriteProfileBinary("MainFrame", "WindowPlacement", placement));
    EXPECT_TRUE(WriteProfileBinary("MainFrame", "Empty", {}));

    EXPECT_EQ(GetProfileInt("", "ApplicationLook", 210), 215);
    EXPECT_EQ(GetProfileInt("Workspace", "applicationlook", 210), -3);
    EXPECT_EQ(GetProfileBinary("MainFrame", "WindowPlacement"), placement);
    EXPECT_EQ(GetProfileBinary("MainFrame", "Empty"), std::vector<std::uint8_t>{});

    // Stored where the framework keeps them, with the registry's types.
    DWORD dwValue = 0;
    EXPECT_EQ(ReadRegistryDword("Software\\Korvat\\Korvat Nimbrel", "ApplicationLook", dwValue), 0);
    EXPECT_EQ(dwValue, 215u);
    HKEY hKey = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Korvat\\Korvat Nimbrel\\MainFrame", 0,
                            KEY_READ, &hKey),
              0);
    DWORD dwType = REG_NONE;
    EXPECT_EQ(RegQueryValueExA(hKey, "WindowPlacement", nullptr, &dwType, nullptr, nullptr), 0);
    EXPECT_EQ(dwType, REG_BINARY);
    RegCloseKey(hKey);
}

TEST_F(FrameworkProfileTest, ValuesOfAnotherTypeReadAsMissing) {
    CreateRegistryBranch(kFrameworkKey);
    EXPECT_EQ(WriteRegistryString(kFrameworkKey, "ApplicationLook", REG_SZ, "215"), 0);
    EXPECT_EQ(WriteRegistryDword(kFrameworkKey, "Placement", REG_DWORD, 5), 0);
    EXPECT_EQ(GetProfileInt("", "ApplicationLook", 210), 210);
    EXPECT_FALSE(GetProfileBinary("", "Placement").has_value());
}

} // namespace
