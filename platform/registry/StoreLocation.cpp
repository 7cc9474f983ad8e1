// SPDX-License-Identifier: MIT
#include "platform/registry/StoreLocation.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kStoreSubfolder = "Korvat/Korvat Nimbrel";
constexpr const char* kStoreFileName = "registry.sqlite3";

// The XDG rules: an unset, empty or relative XDG_CONFIG_HOME is ignored.
std::string ConfigHome() {
    const char* pszConfig = std::getenv("XDG_CONFIG_HOME");
    if (pszConfig != nullptr && pszConfig[0] == '/') {
        return pszConfig;
    }
    const char* pszHome = std::getenv("HOME");
    if (pszHome != nullptr && pszHome[0] == '/') {
        return std::string(pszHome) + "/.config";
    }
    return {};
}

LSTATUS FolderError(const std::error_code& ec) {
    if (ec == std::errc::permission_denied || ec == std::errc::read_only_file_system ||
        ec == std::errc::operation_not_permitted) {
        return ERROR_ACCESS_DENIED;
    }
    if (ec == std::errc::no_space_on_device) {
        return ERROR_DISK_FULL;
    }
    return ERROR_PATH_NOT_FOUND;
}

} // namespace

std::string RegistryStoreFolder() {
    const std::string strHome = ConfigHome();
    if (strHome.empty()) {
        return {};
    }
    return strHome + "/" + kStoreSubfolder;
}

std::string RegistryStoreFile() {
    const std::string strFolder = RegistryStoreFolder();
    if (strFolder.empty()) {
        return {};
    }
    return strFolder + "/" + kStoreFileName;
}

LSTATUS MakeStoreFolder(const std::string& strFolder) {
    if (strFolder.empty()) {
        return ERROR_PATH_NOT_FOUND;
    }
    std::error_code ec;
    std::filesystem::create_directories(strFolder, ec);
    if (ec) {
        return FolderError(ec);
    }
    if (!std::filesystem::is_directory(strFolder, ec)) {
        return ERROR_PATH_NOT_FOUND;
    }
    return ERROR_SUCCESS;
}
