// SPDX-License-Identifier: MIT
// The busy wait of a windowed program: the wait cursor over every window, and a nested event
// loop that keeps painting and timers running but takes no user input while another thread
// works.
#pragma once

#include "platform/ui/core/BusyWait.h"

class CQtBusyWait : public CBusyWaitHandler {
public:
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    bool Wait(const CWaitStep& waitStep, std::chrono::milliseconds limit) override;
};
