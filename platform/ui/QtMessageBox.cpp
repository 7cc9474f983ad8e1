// SPDX-License-Identifier: MIT
#include "platform/ui/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/ui/Text.h"
#include "platform/ui/core/MessageBox.h"

namespace {

QMessageBox::Icon IconOf(UINT nType) {
    switch (nType & MB_ICONMASK) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void InstallQtMessageBoxHandler() {
    SetMessageBoxHandler([](const std::string& text, const std::string& caption, UINT nType) {
        const bool bRetryCancel = (nType & MB_TYPEMASK) == MB_RETRYCANCEL;
        QMessageBox box(IconOf(nType), FromAnsi(caption), FromAnsi(text),
                        bRetryCancel ? QMessageBox::Retry | QMessageBox::Cancel : QMessageBox::Ok,
                        QApplication::activeWindow());
        const int nButton = box.exec();
        if (bRetryCancel) {
            return nButton == QMessageBox::Retry ? IDRETRY : IDCANCEL;
        }
        return IDOK;
    });
}
