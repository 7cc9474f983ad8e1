// SPDX-License-Identifier: MIT
#include "platform/ui/core/MessageBox.h"

#include <cstdio>
#include <utility>

namespace {

CMessageBoxHandler& CurrentHandler() {
    static CMessageBoxHandler handler;
    return handler;
}

} // namespace

int AfxMessageBox(const std::string& text, UINT nType) {
    return MessageBoxWithCaption(text, kApplicationTitle, nType);
}

int MessageBoxWithCaption(const std::string& text, const std::string& caption, UINT nType) {
    if (const CMessageBoxHandler& handler = CurrentHandler()) {
        return handler(text, caption, nType);
    }
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return (nType & MB_TYPEMASK) == MB_RETRYCANCEL ? IDCANCEL : IDOK;
}

CMessageBoxHandler SetMessageBoxHandler(CMessageBoxHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}
