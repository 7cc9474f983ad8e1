// SPDX-License-Identifier: MIT
// The framework profile lives in the same store as the program's own values, as integers
// (REG_DWORD) and byte strings (REG_BINARY); a value of any other type reads as missing.
#include "settings/FrameworkProfile.h"

#include "platform/registry/Registry.h"

namespace {

std::string SectionKey(const std::string& strSection) {
    return strSection.empty() ? std::string(kFrameworkKey)
                              : std::string(kFrameworkKey) + "\\" + strSection;
}

// The value's bytes when it is there with the given type.
std::optional<std::vector<std::uint8_t>> ReadValue(const std::string& strSection,
                                                   const std::string& strEntry, DWORD dwType) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionKey(strSection).c_str(), 0, KEY_READ, &hKey) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD dwStored = REG_NONE;
    DWORD cbData = 0;
    LSTATUS nResult =
        RegQueryValueExA(hKey, strEntry.c_str(), nullptr, &dwStored, nullptr, &cbData);
    std::vector<std::uint8_t> data(cbData);
    if (nResult == ERROR_SUCCESS && dwStored == dwType) {
        nResult =
            RegQueryValueExA(hKey, strEntry.c_str(), nullptr, &dwStored, data.data(), &cbData);
    }
    RegCloseKey(hKey);
    if (nResult != ERROR_SUCCESS || dwStored != dwType || cbData != data.size()) {
        return std::nullopt;
    }
    return data;
}

// Creates the section's key when missing, as the framework does on its first write.
bool WriteValue(const std::string& strSection, const std::string& strEntry, DWORD dwType,
                const std::uint8_t* pData, std::size_t cbData) {
    if (cbData > 0xFFFFFFFFu) {
        return false;
    }
    HKEY hKey = nullptr;
    char szClass[] = "";
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionKey(strSection).c_str(), 0, szClass,
                        REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, nullptr, &hKey,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LSTATUS nResult = RegSetValueExA(hKey, strEntry.c_str(), 0, dwType, pData, DWORD(cbData));
    RegCloseKey(hKey);
    return nResult == ERROR_SUCCESS;
}

} // namespace

int GetProfileInt(const std::string& strSection, const std::string& strEntry, int nDefault) {
    const auto data = ReadValue(strSection, strEntry, REG_DWORD);
    if (!data || data->size() != 4) {
        return nDefault;
    }
    const BYTE bytes[4] = {(*data)[0], (*data)[1], (*data)[2], (*data)[3]};
    return int(UnpackDword(bytes));
}

bool WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue) {
    const CDwordBytes value = PackDword(DWORD(nValue));
    return WriteValue(strSection, strEntry, REG_DWORD, value.bytes, sizeof value.bytes);
}

std::optional<std::vector<std::uint8_t>> GetProfileBinary(const std::string& strSection,
                                                          const std::string& strEntry) {
    return ReadValue(strSection, strEntry, REG_BINARY);
}

bool WriteProfileBinary(const std::string& strSection, const std::string& strEntry,
                        const std::vector<std::uint8_t>& data) {
    return WriteValue(strSection, strEntry, REG_BINARY, data.data(), data.size());
}
