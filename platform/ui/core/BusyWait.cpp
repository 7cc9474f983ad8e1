// SPDX-License-Identifier: MIT
#include "platform/ui/core/BusyWait.h"

#include <utility>

namespace {

CBusyWaitHandler*& CurrentHandler() {
    static CBusyWaitHandler* pHandler = nullptr;
    return pHandler;
}

} // namespace

CBusyWaitHandler* SetBusyWaitHandler(CBusyWaitHandler* pHandler) {
    return std::exchange(CurrentHandler(), pHandler);
}

bool WaitWhileBusy(const CWaitStep& waitStep, std::chrono::milliseconds limit) {
    if (CBusyWaitHandler* pHandler = CurrentHandler()) {
        return pHandler->Wait(waitStep, limit);
    }
    return waitStep(limit);
}

// The handler that began the cursor ends it, even when another was installed meanwhile.
CWaitCursor::CWaitCursor()
    : m_pHandler(CurrentHandler()) {
    if (m_pHandler != nullptr) {
        m_pHandler->BeginWaitCursor();
    }
}

CWaitCursor::~CWaitCursor() {
    if (m_pHandler != nullptr) {
        m_pHandler->EndWaitCursor();
    }
}
