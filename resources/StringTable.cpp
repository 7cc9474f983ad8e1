// SPDX-License-Identifier: MIT
#include "resources/StringTable.h"

#include "resources/Resource.h"

namespace {

struct CStringEntry {
    UINT nID;
    const char* pszText;
};

constexpr CStringEntry kStrings[] = {
    {IDP_OLE_INIT_FAILED,
     "OLE initialization failed.  Make sure that the OLE libraries are the correct version."},
    {IDS_VERSION_ADDRESS, "http://" NIMBREL_MAKER_HOST "/version/nimbrel_version.txt"},
    {IDR_MAINFRAME,
     "Nimbrel - Fractals Explorer\n\nNimbrel\n\n\nNimbrel.Document\nNimbrel.Document"},
    {IDS_OUTPUT_WND, "Output"},
    {AFX_IDS_APP_TITLE, "Nimbrel"},
};

} // namespace

std::string LoadResourceString(UINT nID) {
    for (const CStringEntry& entry : kStrings) {
        if (entry.nID == nID) {
            return entry.pszText;
        }
    }
    return {};
}
