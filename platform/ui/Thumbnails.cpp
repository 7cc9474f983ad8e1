// SPDX-License-Identifier: MIT
#include "platform/ui/Thumbnails.h"

#include "platform/ui/HostedViewImage.h"

namespace {

// Beyond this the picture would not be a thumbnail; it also bounds the buffer.
constexpr int kMaxThumbnailSide = 1024;
constexpr UINT SIZE_RESTORED = 0;

// Hosts a view for the time it takes to draw one picture of it.
class CThumbnailHost : public CViewHost {
public:
    CThumbnailHost(CHostedView& view, int cx, int cy)
        : m_view(view)
        , m_rcPicture{0, 0, cx, cy} {
        m_view.AttachHost(this);
    }
    ~CThumbnailHost() override { m_view.DetachHost(); }
    CThumbnailHost(const CThumbnailHost&) = delete;
    CThumbnailHost& operator=(const CThumbnailHost&) = delete;

    CViewHosting GetHosting() const override { return kPictureHosting; }
    CRect GetWindowRectInClient() const override { return m_rcPicture; }
    void Invalidate(bool /*bErase*/) override {}
    void SetScrollSizes(int /*cx*/, int /*cy*/) override {}
    void CopyToClipboard() override {}

private:
    CHostedView& m_view;
    CRect m_rcPicture;
};

} // namespace

QImage DrawThumbnail(CHostedView& view, int cx, int cy) {
    if (cx <= 0 || cy <= 0 || cx > kMaxThumbnailSide || cy > kMaxThumbnailSide) {
        return {};
    }
    CThumbnailHost host(view, cx, cy);
    view.OnInitialUpdate();
    view.OnSize(SIZE_RESTORED, cx, cy);
    QImage image(cx, cy, QImage::Format_RGB32);
    PaintHostedViewImage(view, image);
    return image;
}
