// SPDX-License-Identifier: MIT
// Fuzz target: any bytes as a stored settings string, the first byte choosing the view.
// Parsing never crashes; a string a view accepts gives a record whose settings string is
// accepted again and stored the same.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>

#include "fractals/FractalCatalog.h"
#include "settings/SettingsScan.h"
#include "views/NimbrelBaseView.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    if (nSize == 0) {
        return 0;
    }
    const int nPosition = pData[0] % kFractalCount;
    const std::string strText(reinterpret_cast<const char*>(pData + 1), nSize - 1);

    int values[21] = {};
    const int nConverted = ScanSettingsNumbers(strText, std::span(values));
    if (nConverted < 0 || nConverted > 21) {
        std::abort();
    }

    const std::unique_ptr<CNimbrelBaseView> pView = CreateFractalView(nPosition);
    const std::string strName = pView->GetSettingsName();
    if (!pView->ParseSettings(strName, strText)) {
        return 0;
    }
    const std::string strStored = pView->FormatSettings(strName);
    const std::unique_ptr<CNimbrelBaseView> pAgain = CreateFractalView(nPosition);
    if (!pAgain->ParseSettings(strName, strStored) ||
        pAgain->FormatSettings(strName) != strStored) {
        std::abort();
    }
    return 0;
}
