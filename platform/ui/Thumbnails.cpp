// SPDX-License-Identifier: MIT
#include "platform/ui/Thumbnails.h"

#include "platform/gdi/RasterDC.h"
#include "views/NimbrelBaseView.h"

namespace {

// The colour a view's window is erased to before the view draws.
constexpr COLORREF kThumbnailErase = 0x00FFFFFF;
// Beyond this the picture would not be a thumbnail; it also bounds the buffer.
constexpr int kMaxThumbnailSide = 1024;

} // namespace

QImage DrawThumbnail(CNimbrelBaseView& view, int cx, int cy) {
    if (cx <= 0 || cy <= 0 || cx > kMaxThumbnailSide || cy > kMaxThumbnailSide) {
        return {};
    }
    QImage image(cx, cy, QImage::Format_RGB32);
    CRasterDC dc(reinterpret_cast<std::uint32_t*>(image.bits()), cx, cy,
                 int(image.bytesPerLine() / 4));
    dc.Erase(kThumbnailErase);
    view.SetClock([] { return kThumbnailClock; });
    view.ComputeDrawingRects(CRect{0, 0, cx, cy});
    view.OnDraw(&dc);
    return image;
}
