// SPDX-License-Identifier: MIT
// The update check's three values: their defaults when absent and their round trips.
#include <gtest/gtest.h>

#include "platform/registry/TempConfigHome.h"
#include "settings/RegistryFunctions.h"
#include "settings/UpdateCheckSettings.h"

namespace {

TEST(UpdateCheckSettingsTest, AbsentValuesReadAsTheirDefaults) {
    CTempConfigHome home;
    CreateRegistryBranch(kParameterKey);
    EXPECT_EQ(ReadNoUpdateCheck(), 0u);
    EXPECT_EQ(ReadCurrentVersion(), std::nullopt);
    EXPECT_EQ(ReadLastCheckTime(), 0u);
}

TEST(UpdateCheckSettingsTest, ValuesKeepWhatWasWritten) {
    CTempConfigHome home;
    CreateRegistryBranch(kParameterKey);
    EXPECT_EQ(WriteNoUpdateCheck(1), ERROR_SUCCESS);
    EXPECT_EQ(WriteCurrentVersion(kUpdateCheckStamp), ERROR_SUCCESS);
    EXPECT_EQ(WriteLastCheckTime(0xFFFFFFFF), ERROR_SUCCESS);
    EXPECT_EQ(ReadNoUpdateCheck(), 1u);
    EXPECT_EQ(ReadCurrentVersion(), 20u);
    EXPECT_EQ(ReadLastCheckTime(), 0xFFFFFFFFu);
    DWORD dwStored = 0;
    EXPECT_EQ(ReadRegistryDword(kParameterKey, "LastCheckTime", dwStored), ERROR_SUCCESS);
    EXPECT_EQ(dwStored, 0xFFFFFFFFu);
}

TEST(UpdateCheckSettingsTest, WithoutTheKeyNothingIsWrittenAndDefaultsApply) {
    CTempConfigHome home;
    EXPECT_NE(WriteNoUpdateCheck(1), ERROR_SUCCESS);
    EXPECT_EQ(ReadNoUpdateCheck(), 0u);
    EXPECT_EQ(ReadCurrentVersion(), std::nullopt);
}

} // namespace
