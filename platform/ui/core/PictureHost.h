// SPDX-License-Identifier: MIT
// A host without a window: it holds a view for as long as it takes to draw pictures of it at
// one size (a thumbnail, the renderer's output), so there is nothing to repaint, scroll or
// copy.
#pragma once

#include "platform/ui/core/ViewHost.h"

class CPictureHost : public CViewHost {
public:
    // Attaches itself to the view; the view must outlive the host.
    CPictureHost(CHostedView& view, const CRect& rcPicture, CViewHosting hosting)
        : m_view(view)
        , m_rcPicture(rcPicture)
        , m_hosting(hosting) {
        m_view.AttachHost(this);
    }
    ~CPictureHost() override { m_view.DetachHost(); }
    CPictureHost(const CPictureHost&) = delete;
    CPictureHost& operator=(const CPictureHost&) = delete;

    CViewHosting GetHosting() const override { return m_hosting; }
    CRect GetWindowRectInClient() const override { return m_rcPicture; }
    void Invalidate(bool /*bErase*/) override {}
    void SetScrollSizes(int /*cx*/, int /*cy*/) override {}
    void CopyToClipboard() override {}

private:
    CHostedView& m_view;
    CRect m_rcPicture;
    CViewHosting m_hosting;
};
