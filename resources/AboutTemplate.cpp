// SPDX-License-Identifier: MIT
#include "resources/AboutTemplate.h"

#include "platform/ui/core/MessageBox.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"

namespace {

using enum EDialogControl;

constexpr CDialogControlData kAboutControls[] = {
    {IDC_STATIC, Icon, nullptr, 79, 7, 21, 20},
    {IDC_PRODUCT_NAME, Static, "Nimbrel Version 2.0", 5, 14, 76, 8},
    {IDC_KOCH_VIEW, Edit, "", 200, 9, 270, 132},
    {IDC_LOGIN_NAME, Static, "User Name: ", 10, 70, 180, 8},
    {IDC_COMPUTER_NAME, Static, "Computer Name: ", 10, 85, 180, 8},
    {IDC_IP_ADDRESS, Static, "TCP:IP: ", 10, 100, 160, 8},
    {IDC_STATIC, Static, "Mail: ", 10, 115, 18, 8},
    {IDC_MAIL_LINK, Link, kMakerMail, 30, 113, 150, 14},
    {IDC_STATIC, Static, "Web Site: ", 10, 130, 34, 8},
    {IDC_WEB_LINK, Link, kMakerSite, 45, 128, 140, 14},
    {IDC_CREDITS, Static, "", 60, 155, 400, 85},
    {IDC_DISCLAIMER, Static, "", 10, 265, 350, 30},
    {IDOK, DefaultButton, "OK", 375, 271, 75, 22},
};

constexpr CDialogTemplateData kAbout{IDD_ABOUTBOX,  "About Nimbrel", 475, 300, "MS Shell Dlg", 8,
                                     kAboutControls};

} // namespace

const CDialogTemplateData& AboutTemplate() {
    return kAbout;
}
