// SPDX-License-Identifier: MIT
// A list of equally sized pictures, one per index, as a list control shows them. A picture
// is added with a mask colour: its pixels of that colour become transparent.
#pragma once

#include <vector>

#include <QImage>
#include <QPixmap>
#include <QSize>

#include "platform/WinTypes.h"

class CImageList {
public:
    // Empties the list and fixes the size of its pictures; false for an empty size.
    bool Create(int cx, int cy);
    // Adds the picture at the list's size, crMask (0x00BBGGRR) made transparent; answers its
    // index, -1 when the list was not created or the picture has another size.
    int AddMasked(const QImage& image, COLORREF crMask);

    QSize GetImageSize() const { return m_size; }
    int GetImageCount() const { return int(m_images.size()); }
    // A null pixmap outside the list.
    QPixmap GetImage(int nIndex) const;

private:
    QSize m_size;
    std::vector<QPixmap> m_images;
};
