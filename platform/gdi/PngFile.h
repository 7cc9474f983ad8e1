// SPDX-License-Identifier: MIT
// PNG files of 0x00RRGGBB pixels: the renderer's output and the reference pictures the
// raster surface is compared with. Writing is atomic, so a failed write leaves no file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Pixels 0x00RRGGBB, row after row with no padding.
struct CPixelImage {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<std::uint32_t> bits;

    std::uint32_t At(int x, int y) const { return bits[std::size_t(y) * nWidth + x]; }
};

struct CPngReadResult {
    std::optional<CPixelImage> image;
    std::string strError; // what went wrong when there is no image
};

struct CPngWriteResult {
    bool bOk = false;
    std::string strError; // what went wrong when bOk is false
};

// The largest side written or read: the PNG limit is 2^31 - 1, but a picture this program
// makes never comes near this, and the bound keeps the buffer sizes far from overflow.
constexpr int MaxPngSide = 65536;

// Reads an 8-bit PNG of any colour type; alpha, if any, is dropped (composed on black).
CPngReadResult ReadPngFile(const std::string& strPath);

// Writes nWidth x nHeight pixels, nStridePixels apart from row to row, as an 8-bit RGB PNG.
// The data goes to a temporary file in the target's folder that is renamed over the target
// once complete; on any failure the temporary is removed and the target is left untouched.
// The file gets the permissions nMode (an existing file's, to keep them).
CPngWriteResult WritePngFile(const std::string& strPath, const std::uint32_t* pBits, int nWidth,
                             int nHeight, int nStridePixels, unsigned nMode = 0644);
