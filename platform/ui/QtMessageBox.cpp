// SPDX-License-Identifier: MIT
#include "platform/ui/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/ui/Text.h"
#include "platform/ui/core/MessageBox.h"

namespace {

QMessageBox::Icon IconOf(UINT nType) {
    switch (nType & 0xF0) {
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
        QMessageBox box(IconOf(nType), FromAnsi(caption), FromAnsi(text), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
        return IDOK;
    });
}
