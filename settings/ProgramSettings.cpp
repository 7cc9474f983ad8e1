// SPDX-License-Identifier: MIT
#include "settings/ProgramSettings.h"

#include "resources/Resource.h"
#include "settings/FrameworkProfile.h"
#include "settings/RegistryFunctions.h"

namespace {

constexpr const char* kApplicationLookName = "ApplicationLook";
constexpr const char* kImgListStyleName = "ImgListStyle";
constexpr const char* kOutputPaneVisibleName = "OutputPaneVisible";
constexpr const char* kLastSaveFolderName = "LastSaveFolder";
// The framework profile keeps the window in a subkey of its own.
constexpr const char* kWorkspaceSection = "Workspace";
constexpr const char* kPlacementName = "WindowGeometry";
constexpr const char* kDockingName = "DockingState";

constexpr int kDefaultApplicationLook = ID_VIEW_APPLOOK_VS_2008;

} // namespace

void CreateParameterKey() {
    CreateRegistryBranch(kParameterKey);
}

std::optional<std::string> ReadViewSettings(const std::string& strName) {
    std::string strText;
    if (ReadRegistryString(kParameterKey, strName, strText) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return strText;
}

long WriteViewSettings(const std::string& strName, const std::string& strText) {
    return WriteRegistryString(kParameterKey, strName, REG_SZ, strText);
}

int ReadApplicationLook() {
    return GetProfileInt("", kApplicationLookName, kDefaultApplicationLook);
}

void WriteApplicationLook(int nLook) {
    WriteProfileInt("", kApplicationLookName, nLook);
}

bool ReadSmallThumbnails() {
    DWORD dwStyle = 0;
    if (ReadRegistryDword(kParameterKey, kImgListStyleName, dwStyle) != ERROR_SUCCESS) {
        return true;
    }
    return (dwStyle & 0xFF) != 0;
}

void WriteSmallThumbnails(bool bSmall) {
    WriteRegistryDword(kParameterKey, kImgListStyleName, REG_DWORD, bSmall ? 1 : 0);
}

void WriteOutputPaneVisible(bool bVisible) {
    WriteRegistryDword(kParameterKey, kOutputPaneVisibleName, REG_DWORD, bVisible ? 1 : 0);
}

std::optional<std::string> ReadLastSaveFolder() {
    std::string strFolder;
    if (ReadRegistryString(kParameterKey, kLastSaveFolderName, strFolder) != ERROR_SUCCESS ||
        strFolder.empty()) {
        return std::nullopt;
    }
    return strFolder;
}

void WriteLastSaveFolder(const std::string& strFolder) {
    WriteRegistryString(kParameterKey, kLastSaveFolderName, REG_SZ, strFolder);
}

std::optional<CLayoutBytes> ReadWindowPlacement() {
    return GetProfileBinary(kWorkspaceSection, kPlacementName);
}

void WriteWindowPlacement(const CLayoutBytes& placement) {
    WriteProfileBinary(kWorkspaceSection, kPlacementName, placement);
}

std::optional<CLayoutBytes> ReadDockingState() {
    return GetProfileBinary(kWorkspaceSection, kDockingName);
}

void WriteDockingState(const CLayoutBytes& state) {
    WriteProfileBinary(kWorkspaceSection, kDockingName, state);
}
