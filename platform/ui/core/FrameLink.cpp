// SPDX-License-Identifier: MIT
#include "platform/ui/core/FrameLink.h"

namespace {

CMainFrameLink* g_pMainFrame = nullptr;

} // namespace

CMainFrameLink* AfxGetMainFrame() {
    return g_pMainFrame;
}

void AfxSetMainFrame(CMainFrameLink* pFrame) {
    g_pMainFrame = pFrame;
}
