// SPDX-License-Identifier: MIT
// The check runs inside OnInitDialog on the user-interface thread, with the Qt busy wait
// installed for its length: the wait cursor shows and the other windows keep painting, but
// take no input, until the worker has ended.
#include "dialogs/UpdateCheckDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/core/UpdateCheck.h"
#include "dialogs/core/VersionText.h"
#include "platform/net/Internet.h"
#include "platform/ui/CloseDeferral.h"
#include "platform/ui/LinkCtrl.h"
#include "platform/ui/QtBusyWait.h"
#include "platform/ui/Text.h"
#include "platform/ui/core/MessageBox.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"
#include "settings/UpdateCheckSettings.h"

namespace {

constexpr const char* kCaption = "Check for Nimbrel Update on Korvat Web Site";
constexpr const char* kGroupText = " Update Informations ";
constexpr const char* kLocalLabel = "Local Nimbrel Version:";
constexpr const char* kWebLabel = "Latest Nimbrel Version on Web: ";
constexpr const char* kNoUpdateText = "Do Not Check for Update in the Future";
constexpr const char* kOkText = "OK";
constexpr const char* kUnknownVersion = "Unknown";
constexpr const char* kNoConnection =
    "Unable to Get Internet Connection !!! No Update Check Availalble ...";

// The template's 280 by 160 dialog units, and the message's 250 by 30, in pixels of the
// dialog font (MS Shell Dlg 8: 6 by 13 pixels per 4 by 8 units).
constexpr QSize kDialogSize(420, 260);
constexpr QSize kMessageSize(375, 49);

void SetName(QWidget* pWidget, int nID) {
    pWidget->setObjectName(QString::number(nID));
}

} // namespace

CUpdateCheckDlg::CUpdateCheckDlg(QWidget* pParent)
    : QDialog(pParent) {
    setObjectName(QString::number(IDD_UPDATE_CHECK));
    setWindowTitle(FromAnsi(kCaption));
    CreateControls();
    setFixedSize(kDialogSize);
}

CUpdateCheckDlg::~CUpdateCheckDlg() = default;

void CUpdateCheckDlg::CreateControls() {
    m_pGroup = new QGroupBox(FromAnsi(kGroupText), this);
    SetName(m_pGroup, IDC_UPDATE_GROUP);
    m_pLocalVersion = new QLineEdit(m_pGroup);
    m_pLocalVersion->setReadOnly(true);
    SetName(m_pLocalVersion, IDC_LOCAL_VERSION);
    m_pWebVersion = new QLineEdit(m_pGroup);
    m_pWebVersion->setReadOnly(true);
    SetName(m_pWebVersion, IDC_WEB_VERSION);
    m_pMessage = new QLabel(m_pGroup);
    m_pMessage->setTextFormat(Qt::PlainText);
    m_pMessage->setWordWrap(true);
    m_pMessage->setFixedSize(kMessageSize);
    m_pMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetName(m_pMessage, IDC_UPDATE_MESSAGE);
    m_pLink = new CLinkCtrl(m_pGroup);
    m_pLink->SetWindowText(kProductPage);
    SetName(m_pLink, IDC_UPDATE_LINK);

    auto* pGroupLayout = new QGridLayout(m_pGroup);
    pGroupLayout->addWidget(new QLabel(FromAnsi(kLocalLabel), m_pGroup), 0, 0);
    pGroupLayout->addWidget(m_pLocalVersion, 0, 1);
    pGroupLayout->addWidget(new QLabel(FromAnsi(kWebLabel), m_pGroup), 1, 0);
    pGroupLayout->addWidget(m_pWebVersion, 1, 1);
    pGroupLayout->addWidget(m_pMessage, 2, 0, 1, 2);
    pGroupLayout->addWidget(m_pLink, 3, 0, 1, 2);

    m_pNoUpdate = new QCheckBox(FromAnsi(kNoUpdateText), this);
    SetName(m_pNoUpdate, IDC_NO_UPDATE_CHECK);
    m_btnOK = new QPushButton(FromAnsi(kOkText), this);
    m_btnOK->setDefault(true);
    SetName(m_btnOK, IDOK);
    connect(m_btnOK, &QPushButton::clicked, this, &CUpdateCheckDlg::accept);

    auto* pBottom = new QHBoxLayout;
    pBottom->addWidget(m_pNoUpdate);
    pBottom->addStretch();
    pBottom->addWidget(m_btnOK);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pGroup);
    pLayout->addLayout(pBottom);
}

void CUpdateCheckDlg::CheckNow(QWidget* pParent) {
    CUpdateCheckDlg dlg(pParent);
    // The check's wait keeps the event loop running: the opener's window must outlive the
    // dialog. A close asked for meanwhile ends the dialog at once (or keeps it from showing)
    // and closes the window afterwards.
    CCloseDeferral deferral(pParent != nullptr ? pParent->window() : nullptr,
                            [&dlg] { dlg.EndDialog(IDCANCEL); });
    dlg.m_bCheckNow = 1;
    dlg.DoModal();
}

int CUpdateCheckDlg::DoModal() {
    OnInitDialog();
    if (m_bEnded) {
        return m_nEndResult;
    }
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

BOOL CUpdateCheckDlg::OnInitDialog() {
    DoDataExchange(false);
    // A fresh check each time: nothing of an earlier one survives the dialog.
    CUpdateCheck check;
    if (m_bCheckNow) {
        if (!IsInternetConnected()) {
            AfxMessageBox(kNoConnection, MB_OK);
            EndDialog(IDCANCEL);
            return 0;
        }
        CQtBusyWait busyWait;
        CBusyWaitScope scope(&busyWait);
        check.Check(IDS_VERSION_ADDRESS, m_bCheckNow);
    }
    m_pLocalVersion->setText(FromAnsi(FormatVersion(check.m_dwLocalMS, check.m_dwLocalLS)));
    m_pWebVersion->setText(FromAnsi(FormatVersion(check.m_dwWebMS, check.m_dwWebLS)));
    m_pMessage->setText(FromAnsi(UpdateResultMessage(check.m_nStatus)));
    if (check.m_dwWebMS == 0 && check.m_dwWebLS == 0) {
        m_pWebVersion->setText(FromAnsi(kUnknownVersion));
        m_pMessage->setText(QStringLiteral(" "));
    }
    // The server decides the link's text; only a web address is made clickable, anything
    // else (a local file, another scheme, a command line) is shown as plain text.
    const bool bOpenable = IsOpenableLink(check.m_strLink);
    m_pLink->SetWindowText(bOpenable ? TrimLink(check.m_strLink) : check.m_strLink);
    m_pLink->SetClickable(bOpenable);
    m_pNoUpdate->setChecked(ReadNoUpdateCheck() != 0);
    return 1;
}

void CUpdateCheckDlg::DoDataExchange(bool bSaveAndValidate) {
    if (bSaveAndValidate) {
        m_bNoUpdate = m_pNoUpdate->isChecked() ? 1 : 0;
    } else {
        m_pNoUpdate->setChecked(m_bNoUpdate != 0);
    }
}

QWidget* CUpdateCheckDlg::GetDlgItem(int nID) const {
    switch (nID) {
    case IDC_UPDATE_GROUP:
        return m_pGroup;
    case IDC_LOCAL_VERSION:
        return m_pLocalVersion;
    case IDC_WEB_VERSION:
        return m_pWebVersion;
    case IDC_UPDATE_MESSAGE:
        return m_pMessage;
    case IDC_UPDATE_LINK:
        return m_pLink;
    case IDC_NO_UPDATE_CHECK:
        return m_pNoUpdate;
    case IDOK:
        return m_btnOK;
    default:
        return nullptr;
    }
}

BOOL CUpdateCheckDlg::IsInternetConnected() {
    return InternetGetConnectedState(nullptr, 0);
}

void CUpdateCheckDlg::accept() {
    DoDataExchange(true);
    QDialog::accept();
}

void CUpdateCheckDlg::EndDialog(int nResult) {
    m_bEnded = true;
    m_nEndResult = nResult;
    done(nResult == IDOK ? QDialog::Accepted : QDialog::Rejected);
}
