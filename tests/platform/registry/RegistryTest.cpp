// SPDX-License-Identifier: MIT
#include "platform/registry/Registry.h"

#include <gtest/gtest.h>

#include "platform/registry/TempConfigHome.h"

namespace {

constexpr const char* kParameters = "Software\\Korvat\\Korvat Nimbrel\\Parameters";

class RegistryTest : public ::testing::Test {
protected:
    HKEY CreateKey(const char* pszPath, REGSAM sam = KEY_ALL_ACCESS) {
        HKEY hKey = nullptr;
        char szClass[] = "";
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, pszPath, 0, szClass, 0, sam, nullptr, &hKey,
                                  nullptr),
                  ERROR_SUCCESS);
        return hKey;
    }
    static LSTATUS OpenKey(const char* pszPath, REGSAM sam, HKEY& hKey) {
        return RegOpenKeyExA(HKEY_CURRENT_USER, pszPath, 0, sam, &hKey);
    }
    static std::vector<BYTE> Query(HKEY hKey, const char* pszName, DWORD& dwType) {
        DWORD cbData = 0;
        EXPECT_EQ(RegQueryValueExA(hKey, pszName, nullptr, &dwType, nullptr, &cbData),
                  ERROR_SUCCESS);
        std::vector<BYTE> data(cbData);
        EXPECT_EQ(RegQueryValueExA(hKey, pszName, nullptr, &dwType, data.data(), &cbData),
                  ERROR_SUCCESS);
        return data;
    }

    CTempConfigHome m_home;
};

TEST_F(RegistryTest, MissingKeyIsNotFoundAndOpeningCreatesNothing) {
    HKEY hKey = reinterpret_cast<HKEY>(1);
    EXPECT_EQ(OpenKey(kParameters, KEY_ALL_ACCESS, hKey), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(hKey, nullptr);
    EXPECT_EQ(OpenKey("Software", KEY_READ, hKey), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, CreatingAKeyCreatesItsParentsAndTellsWhetherItWasNew) {
    char szClass[] = "";
    for (DWORD dwExpected : {REG_CREATED_NEW_KEY, REG_OPENED_EXISTING_KEY}) {
        HKEY hKey = nullptr;
        DWORD dwDisposition = 0;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kParameters, 0, szClass, 0, KEY_WRITE, nullptr,
                                  &hKey, &dwDisposition),
                  ERROR_SUCCESS);
        EXPECT_EQ(dwDisposition, dwExpected);
        EXPECT_EQ(RegCloseKey(hKey), ERROR_SUCCESS);
    }
    for (const char* pszPath : {"Software", "Software\\Korvat", "SOFTWARE\\korvat\\KORVAT NIMBREL",
                                "software\\Korvat\\Korvat Nimbrel\\parameters"}) {
        HKEY hKey = nullptr;
        EXPECT_EQ(OpenKey(pszPath, KEY_READ, hKey), ERROR_SUCCESS) << pszPath;
        RegCloseKey(hKey);
    }
    // A subkey opened from an open key.
    HKEY hParent = nullptr;
    ASSERT_EQ(OpenKey("Software\\Korvat", KEY_READ, hParent), ERROR_SUCCESS);
    HKEY hChild = nullptr;
    EXPECT_EQ(RegOpenKeyExA(hParent, "Korvat Nimbrel\\Parameters", 0, KEY_READ, &hChild),
              ERROR_SUCCESS);
    RegCloseKey(hChild);
    RegCloseKey(hParent);
}

TEST_F(RegistryTest, ValuesRoundTripByteForByte) {
    const struct {
        const char* pszName;
        DWORD dwType;
        std::vector<BYTE> data;
    } cases[] = {
        {"Text", REG_SZ, {'1', ',', '2', '\n', 0}},
        {"Dword", REG_DWORD, {0x04, 0x03, 0x02, 0x01}},
        {"Empty", REG_SZ, {}},
        {"Zeros inside", REG_BINARY, {0, 0, 7, 0, 0xFF, 0}},
        {"Windows-1252", REG_SZ, {0xA0, 0xA0, 0xE9, 0x80, 0}},
        {"Odd type", 0xFFFFFFFF, {1}},
        {"", REG_SZ, {'d', 'e', 'f', 0}},
        {"Large", REG_BINARY, std::vector<BYTE>(100000, 0x5A)},
    };
    HKEY hKey = CreateKey(kParameters);
    for (const auto& c : cases) {
        EXPECT_EQ(RegSetValueExA(hKey, c.pszName, 0, c.dwType, c.data.data(), DWORD(c.data.size())),
                  ERROR_SUCCESS)
            << c.pszName;
    }
    RegCloseKey(hKey);
    // Read back through a new handle, as another run of the program would.
    ASSERT_EQ(OpenKey(kParameters, KEY_READ, hKey), ERROR_SUCCESS);
    for (const auto& c : cases) {
        DWORD dwType = REG_NONE;
        EXPECT_EQ(Query(hKey, c.pszName, dwType), c.data) << c.pszName;
        EXPECT_EQ(dwType, c.dwType) << c.pszName;
    }
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, QueryTellsTheSizeAndRefusesABufferTooSmall) {
    HKEY hKey = CreateKey(kParameters);
    const BYTE data[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    ASSERT_EQ(RegSetValueExA(hKey, "Ten", 0, REG_BINARY, data, sizeof data), ERROR_SUCCESS);

    DWORD dwType = REG_NONE;
    DWORD cbData = 0;
    EXPECT_EQ(RegQueryValueExA(hKey, "Ten", nullptr, &dwType, nullptr, &cbData), ERROR_SUCCESS);
    EXPECT_EQ(cbData, 10u);
    EXPECT_EQ(dwType, REG_BINARY);

    BYTE small[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    cbData = sizeof small;
    EXPECT_EQ(RegQueryValueExA(hKey, "Ten", nullptr, &dwType, small, &cbData), ERROR_MORE_DATA);
    EXPECT_EQ(cbData, 10u);
    EXPECT_EQ(small[0], 0xEE);

    BYTE exact[10] = {};
    cbData = sizeof exact;
    EXPECT_EQ(RegQueryValueExA(hKey, "Ten", nullptr, &dwType, exact, &cbData), ERROR_SUCCESS);
    EXPECT_EQ(std::vector<BYTE>(exact, exact + 10), std::vector<BYTE>(data, data + 10));

    EXPECT_EQ(RegQueryValueExA(hKey, "Missing", nullptr, &dwType, exact, &cbData),
              ERROR_FILE_NOT_FOUND);
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, ValueNamesCompareWithoutCaseAndKeepTheirFirstSpelling) {
    HKEY hKey = CreateKey(kParameters);
    const BYTE first[] = {'a', 0};
    const BYTE second[] = {'b', 'c', 0};
    ASSERT_EQ(RegSetValueExA(hKey, "VonKochView", 0, REG_SZ, first, sizeof first), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(hKey, "VONKOCHVIEW", 0, REG_SZ, second, sizeof second), ERROR_SUCCESS);
    DWORD dwType = REG_NONE;
    EXPECT_EQ(Query(hKey, "vonkochview", dwType), std::vector<BYTE>(second, second + 3));
    RegCloseKey(hKey);
}

TEST_F(RegistryTest, MisuseAnswersTheRegistryErrorCodes) {
    HKEY hWrite = CreateKey(kParameters, KEY_WRITE);
    HKEY hRead = nullptr;
    ASSERT_EQ(OpenKey(kParameters, KEY_READ, hRead), ERROR_SUCCESS);
    HKEY hBogus = reinterpret_cast<HKEY>(&hRead);
    const BYTE data[] = {1, 2, 3, 4};
    DWORD dwReserved = 0;
    DWORD cbData = sizeof data;
    BYTE buffer[4];
    HKEY hOut = nullptr;
    char szClass[] = "";

    const struct {
        const char* pszCall;
        LSTATUS nResult;
        LSTATUS nExpected;
    } cases[] = {
        {"set on a read-only handle", RegSetValueExA(hRead, "X", 0, REG_BINARY, data, 4),
         ERROR_ACCESS_DENIED},
        {"query on a write-only handle",
         RegQueryValueExA(hWrite, "X", nullptr, nullptr, buffer, &cbData), ERROR_ACCESS_DENIED},
        {"set on a bogus handle", RegSetValueExA(hBogus, "X", 0, REG_BINARY, data, 4),
         ERROR_INVALID_HANDLE},
        {"query on a bogus handle",
         RegQueryValueExA(hBogus, "X", nullptr, nullptr, buffer, &cbData), ERROR_INVALID_HANDLE},
        {"close a bogus handle", RegCloseKey(hBogus), ERROR_INVALID_HANDLE},
        {"reserved set", RegSetValueExA(hWrite, "X", 1, REG_BINARY, data, 4),
         ERROR_INVALID_PARAMETER},
        {"reserved query", RegQueryValueExA(hRead, "X", &dwReserved, nullptr, buffer, &cbData),
         ERROR_INVALID_PARAMETER},
        {"data without size", RegQueryValueExA(hRead, "X", nullptr, nullptr, buffer, nullptr),
         ERROR_INVALID_PARAMETER},
        {"bytes without data", RegSetValueExA(hWrite, "X", 0, REG_BINARY, nullptr, 4),
         ERROR_NOACCESS},
        {"leading backslash", RegOpenKeyExA(HKEY_CURRENT_USER, "\\Software", 0, KEY_READ, &hOut),
         ERROR_BAD_PATHNAME},
        {"empty name inside",
         RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\\\X", 0, szClass, 0, KEY_WRITE, nullptr,
                         &hOut, nullptr),
         ERROR_BAD_PATHNAME},
        {"name too long",
         RegCreateKeyExA(HKEY_CURRENT_USER, std::string(256, 'k').c_str(), 0, szClass, 0, KEY_WRITE,
                         nullptr, &hOut, nullptr),
         ERROR_BAD_PATHNAME},
        {"create below a read-only handle",
         RegCreateKeyExA(hRead, "Child", 0, szClass, 0, KEY_WRITE, nullptr, &hOut, nullptr),
         ERROR_ACCESS_DENIED},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.nResult, c.nExpected) << c.pszCall;
    }
    EXPECT_EQ(RegCloseKey(hRead), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(hRead), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(hWrite), ERROR_SUCCESS);
}

} // namespace
