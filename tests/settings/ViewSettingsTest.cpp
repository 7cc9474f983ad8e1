// SPDX-License-Identifier: MIT
// The settings strings as the views store and load them, through the real store.
#include <gtest/gtest.h>

#include "fractals/VonKochView.h"
#include "platform/registry/ChildProcess.h"
#include "platform/registry/TempConfigHome.h"
#include "settings/RegistryFunctions.h"
#include "platform/ui/core/PictureHost.h"
#include "views/NimbrelBaseView.h"

namespace {

// A view with a known record and nothing else.
class CSettingsView : public CNimbrelBaseView {
public:
    CSettingsView()
        : CNimbrelBaseView("TestView") {
        SetDefaults();
    }
    void SetDefaults() override {
        ResetParameters();
        SetParameters(7, 1, 2, 3, 4, 5, 0x00112233, 0x00445566, 0x00778899, 6);
        // Built in place: assigning the literal trips GCC 12's -Wrestrict in Release.
        m_strFoldCode = std::string(1, '1');
    }
    void DrawFractal(CDC*, CRect*, CRect*) override {}
};

// Hosts a view as the main window does: the record is loaded at the initial update and
// kept in the store when the view ends.
class CStoreHost : public CPictureHost {
public:
    explicit CStoreHost(CNimbrelBaseView& view, CViewHosting hosting = kMainWindowHosting)
        : CPictureHost(view, CRect{0, 0, 100, 100}, hosting) {}
};

struct CRecord {
    int nLevel, nGrain, nParam1, nParam2, nParam3, nFrame;
    COLORREF crCurve, crFirst, crSecond;
    int nFading;
    std::string strCode;

    static CRecord Of(const CNimbrelBaseView& view) {
        return {view.m_nLevel,
                view.m_nGrain,
                view.m_nParam1,
                view.m_nParam2,
                view.m_nParam3,
                view.m_nFrame,
                view.m_crCurve,
                view.m_Background.m_crFirst,
                view.m_Background.m_crSecond,
                view.m_Background.m_nFading,
                view.m_strFoldCode};
    }
    friend bool operator==(const CRecord&, const CRecord&) = default;
    friend std::ostream& operator<<(std::ostream& out, const CRecord& r) {
        return out << r.nLevel << "," << r.nGrain << "," << r.nParam1 << "," << r.nParam2 << ","
                   << r.nParam3 << "," << r.nFrame << "," << r.crCurve << "," << r.crFirst << ","
                   << r.crSecond << "," << r.nFading << " code '" << r.strCode << "'";
    }
};

const CRecord kDefaults = {7, 1, 2, 3, 4, 5, 0x00112233, 0x00445566, 0x00778899, 6, "1"};
const char* const kDragon = "HeighwayView";
const char* const kCurve = "SquaresView";

// Writes a value straight into the store, with any type and any bytes.
void Store(const std::string& strName, DWORD dwType, const std::string& strBytes) {
    HKEY hKey = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kParameterKey, 0, KEY_ALL_ACCESS, &hKey),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(hKey, strName.c_str(), 0, dwType,
                             reinterpret_cast<const BYTE*>(strBytes.data()),
                             DWORD(strBytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(hKey);
}

std::string StoredBytes(const std::string& strName, DWORD& dwType) {
    HKEY hKey = nullptr;
    std::string strBytes(1000, '\0');
    DWORD cbData = DWORD(strBytes.size());
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kParameterKey, 0, KEY_READ, &hKey), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(hKey, strName.c_str(), nullptr, &dwType,
                               reinterpret_cast<BYTE*>(strBytes.data()), &cbData),
              ERROR_SUCCESS);
    RegCloseKey(hKey);
    strBytes.resize(cbData);
    return strBytes;
}

std::string Text(const std::string& strText) {
    return strText + '\0';
}

class ViewSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { CreateRegistryBranch(kParameterKey); }

    CTempConfigHome m_home;
};

struct CLoadCase {
    const char* pszCase;
    const char* pszName;
    DWORD dwType;
    std::string strBytes; // empty with bStored false: no value at all
    bool bStored;
    BOOL bLoaded;
    CRecord expected;
};

const std::string kTen = "9,2,-1,300,0,4,255,65280,16711680,3";
const CRecord kTenRecord = {9, 2, -1, 300, 0, 4, 255, 65280, 16711680, 3, "1"};
const std::string kSixteenEntries = "1,0,1,1,0,0,0,0,1,1,1,1,0,0,0,1";

TEST_F(ViewSettingsTest, LoadAcceptsWhatTheFormattedScanAcceptsAndNothingElse) {
    const std::string strLong499 = kTen + "\n" + std::string(499 - kTen.size() - 1, 'x');
    const std::string strLong500 = strLong499 + "x";
    const CLoadCase cases[] = {
        {"missing value", kCurve, REG_SZ, "", false, 0, kDefaults},
        {"ten numbers", kCurve, REG_SZ, Text(kTen + "\n"), true, 1, kTenRecord},
        {"extra text after the last number", kCurve, REG_SZ, Text(kTen + ",11,12 and more"), true,
         1, kTenRecord},
        {"space and sign before numbers", kCurve, REG_SZ,
         Text(" 9,\t2, -1,+300,\n0,4,255,65280,16711680,3"), true, 1, kTenRecord},
        {"space before a comma", kCurve, REG_SZ, Text("9 ,2,-1,300,0,4,255,65280,16711680,3"), true,
         0, kDefaults},
        {"a letter where a number stands", kCurve, REG_SZ,
         Text("9,2,-1,300,x,4,255,65280,16711680,3"), true, 0, kDefaults},
        {"a sign without digits", kCurve, REG_SZ, Text("9,2,-,300,0,4,255,65280,16711680,3"), true,
         0, kDefaults},
        {"nine numbers", kCurve, REG_SZ, Text("9,2,-1,300,0,4,255,65280,16711680\n"), true, 0,
         kDefaults},
        {"the limits of 32 bits",
         kCurve,
         REG_SZ,
         Text("2147483647,-2147483648,0,0,0,0,0,0,0,0"),
         true,
         1,
         {2147483647, -2147483648, 0, 0, 0, 0, 0, 0, 0, 0, "1"}},
        {"a number past 32 bits", kCurve, REG_SZ, Text("2147483648,0,0,0,0,0,0,0,0,0"), true, 0,
         kDefaults},
        {"a very long number", kCurve, REG_SZ, Text(std::string(300, '9') + ",0,0,0,0,0,0,0,0,0"),
         true, 0, kDefaults},
        {"no terminator stored: the last byte is dropped anyway", kCurve, REG_SZ, kTen + "5", true,
         1, kTenRecord},
        {"a zero byte ends the text", kCurve, REG_SZ, Text("9,2,-1,300") + Text(",0,4,255,0,0,3"),
         true, 0, kDefaults},
        {"a DWORD where text is expected", kCurve, REG_DWORD, std::string("\x05\0\0\0", 4), true, 0,
         kDefaults},
        {"an empty value", kCurve, REG_SZ, "", true, 0, kDefaults},
        {"499 characters fit the buffer", kCurve, REG_SZ, Text(strLong499), true, 1, kTenRecord},
        {"500 characters do not", kCurve, REG_SZ, Text(strLong500), true, 0, kDefaults},
        {"far more than 500", kCurve, REG_SZ, Text(kTen + std::string(5000, ' ')), true, 0,
         kDefaults},
        {"dragon: 21 numbers",
         kDragon,
         REG_SZ,
         Text("8,1,0,1,0,1,1,1,1,0,0,0,0,0,0,0,0,9109504,9721248,12632256,4\n"),
         true,
         1,
         {0, 0, 8, 0, 0, 0, 0x008B0000, 0x009455A0, 0x00C0C0C0, 4, "10101111"}},
        {"dragon: 20 numbers", kDragon, REG_SZ,
         Text("8,1,0,1,0,1,1,1,1,0,0,0,0,0,0,0,0,9109504,9721248,12632256\n"), true, 0, kDefaults},
        {"dragon: a count of 20 still gives 16 characters",
         kDragon,
         REG_SZ,
         Text("20," + kSixteenEntries + ",1,2,3,4"),
         true,
         1,
         {0, 0, 16, 0, 0, 0, 1, 2, 3, 4, "1011000011110001"}},
        {"dragon: nonzero entries are ones",
         kDragon,
         REG_SZ,
         Text("3,-5,0,7,0,0,0,0,0,0,0,0,0,0,0,0,0,1,2,3,4"),
         true,
         1,
         {0, 0, 3, 0, 0, 0, 1, 2, 3, 4, "101"}},
        {"dragon: a negative count gives no code",
         kDragon,
         REG_SZ,
         Text("-4," + kSixteenEntries + ",1,2,3,4"),
         true,
         1,
         {0, 0, 0, 0, 0, 0, 1, 2, 3, 4, ""}},
        {"dragon: ten numbers are not enough", kDragon, REG_SZ, Text(kTen), true, 0, kDefaults},
        {"dragon format under another name",
         kCurve,
         REG_SZ,
         Text("8,1,0,1,0,1,1,1,1,0,0,0,0,0,0,0,0,9109504,9721248,12632256,4\n"),
         true,
         1,
         {8, 1, 0, 1, 0, 1, 1, 1, 1, 0, "1"}},
        {"the dragon's name compares byte for byte",
         "heighwayview",
         REG_SZ,
         Text("8,1,0,1,0,1,1,1,1,0,0,0,0,0,0,0,0,9109504,9721248,12632256,4\n"),
         true,
         1,
         {8, 1, 0, 1, 0, 1, 1, 1, 1, 0, "1"}},
    };
    for (const CLoadCase& c : cases) {
        // Each case on a fresh store of its own.
        CTempConfigHome home;
        CreateRegistryBranch(kParameterKey);
        if (c.bStored) {
            Store(c.pszName, c.dwType, c.strBytes);
        }
        CSettingsView view;
        EXPECT_EQ(view.LoadSettings(c.pszName), c.bLoaded) << c.pszCase;
        EXPECT_EQ(CRecord::Of(view), c.expected) << c.pszCase;
    }
}

TEST_F(ViewSettingsTest, DragonStringIsStoredByteForByte) {
    CSettingsView view;
    view.SetFoldParameters("10101111", 0x008B0000, 0x009455A0, 0x00C0C0C0, 4);
    view.SaveSettings(kDragon);
    DWORD dwType = REG_NONE;
    EXPECT_EQ(StoredBytes(kDragon, dwType),
              Text("8,1,0,1,0,1,1,1,1,0,0,0,0,0,0,0,0,9109504,9721248,12632256,4\n"));
    EXPECT_EQ(dwType, REG_SZ);

    CSettingsView loaded;
    EXPECT_EQ(loaded.LoadSettings(kDragon), 1);
    EXPECT_EQ(CRecord::Of(loaded), CRecord::Of(view));
}

TEST_F(ViewSettingsTest, StringsForEveryOtherViewHoldTheTenNumbersInOrder) {
    const struct {
        const char* pszName;
        const char* pszCode;
        const char* pszStored;
    } cases[] = {
        {kCurve, "", "7,1,2,3,4,5,1122867,4478310,7833753,6\n"},
        {kDragon, "", "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1122867,4478310,7833753,6\n"},
        {kDragon, "0x01", "4,0,1,0,1,0,0,0,0,0,0,0,0,0,0,0,0,1122867,4478310,7833753,6\n"},
        {kDragon, "11111111111111111111",
         "20,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1122867,4478310,7833753,6\n"},
    };
    for (const auto& c : cases) {
        CSettingsView view;
        view.m_strFoldCode = c.pszCode;
        view.SaveSettings(c.pszName);
        DWORD dwType = REG_NONE;
        EXPECT_EQ(StoredBytes(c.pszName, dwType), Text(c.pszStored))
            << c.pszName << " " << c.pszCode;
    }
    // Colours past 0x7FFFFFFF are written as the signed number they read back as.
    CSettingsView view;
    view.m_crCurve = 0xFFFFFFFF;
    EXPECT_EQ(view.FormatSettings(kCurve), "7,1,2,3,4,5,-1,4478310,7833753,6\n");
    EXPECT_EQ(view.ParseSettings(kCurve, view.FormatSettings(kCurve)), 1);
    EXPECT_EQ(view.m_crCurve, 0xFFFFFFFFu);
}

TEST_F(ViewSettingsTest, FirstRunCreatesTheKeySilentlyAndViewsStartOnDefaults) {
    CTempConfigHome home;
    EXPECT_EQ(CreateRegistryBranch(kParameterKey), 1);
    EXPECT_TRUE(home.Messages().empty());
    HKEY hKey = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kParameterKey, 0, KEY_READ, &hKey), ERROR_SUCCESS);
    RegCloseKey(hKey);
    CSettingsView view;
    EXPECT_EQ(view.LoadSettings(kCurve), 0);
    EXPECT_EQ(CRecord::Of(view), kDefaults);
    EXPECT_FALSE(TakeRegistryStoreWarning().has_value());
}

TEST_F(ViewSettingsTest, ViewSavesOnDestructionOnlyWhenItsHostKeepsItsRecord) {
    {
        CVonKochView drawnOnly;
        drawnOnly.m_nLevel = 2;
    }
    {
        CVonKochView picture;
        CStoreHost host(picture, kStoredPictureHosting);
        picture.OnInitialUpdate();
        picture.m_nLevel = 2;
    }
    std::string strText;
    EXPECT_EQ(ReadRegistryString(kParameterKey, "VonKochView", strText), ERROR_FILE_NOT_FOUND);
    std::string strExpected;
    {
        CVonKochView view;
        CStoreHost host(view);
        view.OnInitialUpdate();
        view.m_nLevel = 3;
        strExpected = view.FormatSettings("VonKochView");
    }
    EXPECT_EQ(ReadRegistryString(kParameterKey, "VonKochView", strText), ERROR_SUCCESS);
    EXPECT_EQ(strText, strExpected);
    CVonKochView next;
    CStoreHost host(next);
    next.OnInitialUpdate();
    EXPECT_EQ(next.m_nLevel, 3);
}

TEST_F(ViewSettingsTest, DamagedStoreIsReportedOnceAndTheViewStartsOnDefaults) {
    CTempConfigHome home;
    CTempConfigHome::WriteFile(home.StoreFile(), std::string(3000, 'G'));
    EXPECT_EQ(CreateRegistryBranch(kParameterKey), 1);
    CVonKochView defaults;
    CVonKochView view;
    CStoreHost host(view);
    view.OnInitialUpdate();
    EXPECT_EQ(view.FormatSettings("VonKochView"), defaults.FormatSettings("VonKochView"));
    const std::optional<std::string> warning = TakeRegistryStoreWarning();
    ASSERT_TRUE(warning.has_value());
    EXPECT_NE(warning->find(home.StoreFile() + ".damaged-"), std::string::npos) << *warning;
    EXPECT_FALSE(TakeRegistryStoreWarning().has_value());
    for (const std::string& strMessage : home.Messages()) {
        EXPECT_EQ(strMessage.find("System Error"), std::string::npos) << strMessage;
    }
}

TEST_F(ViewSettingsTest, StoreThatCannotBeWrittenShowsTheBranchFailureAndKeepsDefaults) {
    CTempConfigHome home;
    std::filesystem::create_directories(home.StoreFolder());
    chmod(home.StoreFolder().c_str(), 0555);
    const int nStatus = RunInChild([&] {
        BecomeUnprivileged(home.Root());
        EXPECT_EQ(CreateRegistryBranch(kParameterKey), 1);
        // The code, then the file and the reason in words.
        EXPECT_EQ(
            home.Messages(),
            std::vector<std::string>{
                "System Error: Unable to Create Branch "
                "Software\\Korvat\\Korvat Nimbrel\\Parameters !!!!! (5) \nThe settings file " +
                home.StoreFile() +
                " cannot be created or written: permission denied: the folder or the file "
                "is not writable."});
        CVonKochView defaults;
        {
            CVonKochView view;
            CStoreHost host(view);
            view.OnInitialUpdate();
            EXPECT_EQ(view.FormatSettings("VonKochView"), defaults.FormatSettings("VonKochView"));
            view.m_nLevel = 1;
        } // saving at destruction fails quietly
        std::string strText = "untouched";
        EXPECT_NE(ReadRegistryString(kParameterKey, "VonKochView", strText), 0);
        EXPECT_EQ(strText, "untouched");
        EXPECT_NE(WriteRegistryDword(kParameterKey, "NoUpdateCheck", REG_DWORD, 1), 0);
    });
    if (CouldNotDropRoot(nStatus)) {
        GTEST_SKIP() << "cannot give up root here";
    }
    EXPECT_TRUE(ExitedCleanly(nStatus)) << "status " << nStatus;
    EXPECT_FALSE(std::filesystem::exists(home.StoreFile()));
}

} // namespace
