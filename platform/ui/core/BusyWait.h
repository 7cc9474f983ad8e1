// SPDX-License-Identifier: MIT
// Waiting on the user-interface thread for work on another thread: the wait cursor, and a
// bounded wait during which the windows may keep painting. The windowed dialogs install a
// handler for that; without one the cursor is left alone and the wait simply blocks.
#pragma once

#include <chrono>
#include <functional>

// Blocks at most the given time and answers whether the awaited work has ended.
using CWaitStep = std::function<bool(std::chrono::milliseconds)>;

class CBusyWaitHandler {
public:
    virtual ~CBusyWaitHandler() = default;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    // Calls waitStep until it answers true or the limit has passed; answers its last answer.
    virtual bool Wait(const CWaitStep& waitStep, std::chrono::milliseconds limit) = 0;
};

// Installs a handler (null for none) and returns the previous one.
CBusyWaitHandler* SetBusyWaitHandler(CBusyWaitHandler* pHandler);

// True when the work ended within the limit.
bool WaitWhileBusy(const CWaitStep& waitStep, std::chrono::milliseconds limit);

// The wait cursor for the object's lifetime.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    CBusyWaitHandler* m_pHandler;
};

// Installs a handler for the object's lifetime, then puts the previous one back.
class CBusyWaitScope {
public:
    explicit CBusyWaitScope(CBusyWaitHandler* pHandler)
        : m_pPrevious(SetBusyWaitHandler(pHandler)) {}
    ~CBusyWaitScope() { SetBusyWaitHandler(m_pPrevious); }
    CBusyWaitScope(const CBusyWaitScope&) = delete;
    CBusyWaitScope& operator=(const CBusyWaitScope&) = delete;

private:
    CBusyWaitHandler* m_pPrevious;
};
