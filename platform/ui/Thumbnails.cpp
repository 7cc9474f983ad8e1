// SPDX-License-Identifier: MIT
#include "platform/ui/Thumbnails.h"

#include "platform/ui/HostedViewImage.h"
#include "platform/ui/core/PictureHost.h"

namespace {

// Beyond this the picture would not be a thumbnail; it also bounds the buffer.
constexpr int kMaxThumbnailSide = 1024;

} // namespace

QImage DrawThumbnail(CHostedView& view, int cx, int cy) {
    if (cx <= 0 || cy <= 0 || cx > kMaxThumbnailSide || cy > kMaxThumbnailSide) {
        return {};
    }
    CPictureHost host(view, CRect{0, 0, cx, cy}, kPictureHosting);
    view.OnInitialUpdate();
    view.OnSize(SIZE_RESTORED, cx, cy);
    QImage image(cx, cy, QImage::Format_RGB32);
    PaintHostedViewImage(view, image);
    return image;
}
