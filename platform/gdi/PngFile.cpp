// SPDX-License-Identifier: MIT
#include "platform/gdi/PngFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// libpng's simplified interface reports errors through the image's message instead of
// longjmp, which keeps C++ objects on this side of the call safe.
struct CPngImageGuard {
    png_image image;

    CPngImageGuard() {
        std::memset(&image, 0, sizeof image);
        image.version = PNG_IMAGE_VERSION;
    }
    ~CPngImageGuard() { png_image_free(&image); }
    CPngImageGuard(const CPngImageGuard&) = delete;
    CPngImageGuard& operator=(const CPngImageGuard&) = delete;
};

std::string SystemError(const std::string& strWhat, const std::string& strPath) {
    return strWhat + " '" + strPath + "': " + std::strerror(errno);
}

std::vector<png_byte> ToRgbBytes(const std::uint32_t* pBits, int nWidth, int nHeight,
                                 int nStridePixels) {
    std::vector<png_byte> bytes(std::size_t(nWidth) * std::size_t(nHeight) * 3);
    png_byte* pOut = bytes.data();
    for (int y = 0; y < nHeight; ++y) {
        const std::uint32_t* pRow = pBits + std::size_t(y) * std::size_t(nStridePixels);
        for (int x = 0; x < nWidth; ++x) {
            const std::uint32_t p = pRow[x];
            *pOut++ = png_byte(p >> 16);
            *pOut++ = png_byte(p >> 8);
            *pOut++ = png_byte(p);
        }
    }
    return bytes;
}

// Writes the PNG to an open temporary file and closes it; false with the error on failure.
bool WriteAndClose(std::FILE* pFile, const std::vector<png_byte>& rgb, int nWidth, int nHeight,
                   std::string* pError) {
    CPngImageGuard guard;
    guard.image.width = png_uint_32(nWidth);
    guard.image.height = png_uint_32(nHeight);
    guard.image.format = PNG_FORMAT_RGB;
    bool bOk = png_image_write_to_stdio(&guard.image, pFile, 0, rgb.data(), 0, nullptr) != 0;
    if (!bOk) {
        *pError = std::string("cannot encode the PNG: ") + guard.image.message;
    }
    // The data must be on disk before the rename makes it the target.
    if (bOk && (std::fflush(pFile) != 0 || fsync(fileno(pFile)) != 0)) {
        bOk = false;
        *pError = std::string("cannot write the PNG: ") + std::strerror(errno);
    }
    if (std::fclose(pFile) != 0 && bOk) {
        bOk = false;
        *pError = std::string("cannot close the PNG: ") + std::strerror(errno);
    }
    return bOk;
}

} // namespace

CPngReadResult ReadPngFile(const std::string& strPath) {
    CPngReadResult result;
    CPngImageGuard guard;
    if (png_image_begin_read_from_file(&guard.image, strPath.c_str()) == 0) {
        result.strError = "cannot read the PNG '" + strPath + "': " + guard.image.message;
        return result;
    }
    if (guard.image.width == 0 || guard.image.height == 0 || guard.image.width > MaxPngSide ||
        guard.image.height > MaxPngSide) {
        result.strError = "the PNG '" + strPath + "' has an unsupported size";
        return result;
    }
    const int nWidth = int(guard.image.width), nHeight = int(guard.image.height);
    guard.image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(std::size_t(nWidth) * std::size_t(nHeight) * 3);
    if (png_image_finish_read(&guard.image, nullptr, rgb.data(), 0, nullptr) == 0) {
        result.strError = "cannot decode the PNG '" + strPath + "': " + guard.image.message;
        return result;
    }
    CPixelImage image{nWidth, nHeight, std::vector<std::uint32_t>(rgb.size() / 3)};
    for (std::size_t i = 0; i < image.bits.size(); ++i) {
        image.bits[i] = (std::uint32_t(rgb[3 * i]) << 16) | (std::uint32_t(rgb[3 * i + 1]) << 8) |
                        rgb[3 * i + 2];
    }
    result.image = std::move(image);
    return result;
}

CPngWriteResult WritePngFile(const std::string& strPath, const std::uint32_t* pBits, int nWidth,
                             int nHeight, int nStridePixels, unsigned nMode) {
    CPngWriteResult result;
    if (nWidth <= 0 || nHeight <= 0 || nWidth > MaxPngSide || nHeight > MaxPngSide ||
        nStridePixels < nWidth || pBits == nullptr) {
        result.strError = "cannot write the PNG '" + strPath + "': unsupported picture size " +
                          std::to_string(nWidth) + " x " + std::to_string(nHeight);
        return result;
    }
    const std::vector<png_byte> rgb = ToRgbBytes(pBits, nWidth, nHeight, nStridePixels);

    // Same folder as the target, so that the final rename never crosses file systems.
    std::string strTemp = strPath + ".tmp-XXXXXX";
    const int fd = mkstemp(strTemp.data());
    if (fd < 0) {
        result.strError = SystemError("cannot create a temporary file for", strPath);
        return result;
    }
    // mkstemp makes the file private; a picture is as readable as any other file, or keeps
    // the permissions of the file it replaces.
    fchmod(fd, mode_t(nMode));
    std::FILE* pFile = fdopen(fd, "wb");
    if (pFile == nullptr) {
        result.strError = SystemError("cannot open a temporary file for", strPath);
        close(fd);
        std::remove(strTemp.c_str());
        return result;
    }
    std::string strError;
    if (!WriteAndClose(pFile, rgb, nWidth, nHeight, &strError)) {
        result.strError = strError + " ('" + strPath + "')";
        std::remove(strTemp.c_str());
        return result;
    }
    if (std::rename(strTemp.c_str(), strPath.c_str()) != 0) {
        result.strError = SystemError("cannot replace", strPath);
        std::remove(strTemp.c_str());
        return result;
    }
    result.bOk = true;
    return result;
}
