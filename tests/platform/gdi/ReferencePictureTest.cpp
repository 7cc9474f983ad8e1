// SPDX-License-Identifier: MIT
// Replays every trace of the Windows reference set on the raster surface and compares the
// pixels with the picture the Windows GDI drew for it.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gdi/PngFile.h"
#include "platform/gdi/RasterDC.h"
#include "platform/gdi/TraceFile.h"

namespace {

const std::filesystem::path ReferenceFolder =
    std::filesystem::path(NIMBREL_TEST_DATA) / "gdi-reference";

// Wide strokes are polygons flattened from curves in the reference: their border may fall a
// pixel differently, so these cases are compared within one pixel.
const std::set<std::string> WidePenCases = {"pens-wide", "pens-joins", "pens-motif",
                                            "pens-diagonals"};

constexpr int ReportedPixels = 8;

std::vector<std::string> ReferenceCases() {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(ReferenceFolder, ec)) {
        if (entry.path().extension() == ".trace") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string Hex(std::uint32_t pixel) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", pixel);
    return text;
}

CPixelImage Snapshot(const CRasterDC& dc) {
    CPixelImage image{dc.Width(), dc.Height(), {}};
    for (int y = 0; y < dc.Height(); ++y) {
        const std::uint32_t* pRow = dc.Bits() + std::size_t(y) * dc.StridePixels();
        image.bits.insert(image.bits.end(), pRow, pRow + dc.Width());
    }
    return image;
}

// Every pixel differing, "(x, y) expected E, drawn D" for the first few.
std::string ExactDifferences(const CPixelImage& expected, const CPixelImage& actual) {
    std::ostringstream report;
    int nDiffering = 0;
    for (int y = 0; y < expected.nHeight; ++y) {
        for (int x = 0; x < expected.nWidth; ++x) {
            if (expected.At(x, y) != actual.At(x, y) && nDiffering++ < ReportedPixels) {
                report << "  (" << x << ", " << y << ") expected " << Hex(expected.At(x, y))
                       << ", drawn " << Hex(actual.At(x, y)) << "\n";
            }
        }
    }
    if (nDiffering == 0) {
        return {};
    }
    return std::to_string(nDiffering) + " pixels differ:\n" + report.str();
}

bool HasNear(const CPixelImage& image, int x, int y, std::uint32_t pixel) {
    for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, image.nHeight - 1); ++ny) {
        for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, image.nWidth - 1); ++nx) {
            if (image.At(nx, ny) == pixel) {
                return true;
            }
        }
    }
    return false;
}

// The pen-coloured pixels of `from` that have no pixel of their colour in `to` at most one
// pixel away.
std::string UnmatchedPenPixels(const CPixelImage& from, const CPixelImage& to,
                               const std::set<std::uint32_t>& penPixels, const char* pszFrom) {
    std::ostringstream report;
    int nUnmatched = 0;
    for (int y = 0; y < from.nHeight; ++y) {
        for (int x = 0; x < from.nWidth; ++x) {
            const std::uint32_t p = from.At(x, y);
            if (penPixels.count(p) != 0 && !HasNear(to, x, y, p) && nUnmatched++ < ReportedPixels) {
                report << "  (" << x << ", " << y << ") " << Hex(p) << "\n";
            }
        }
    }
    if (nUnmatched == 0) {
        return {};
    }
    return std::to_string(nUnmatched) + " pen pixels of the " + pszFrom +
           " picture have no match within one pixel:\n" + report.str();
}

std::set<std::uint32_t> PenPixels(const CRecording& recording) {
    std::set<std::uint32_t> pixels;
    for (const CDrawCall& call : recording.calls) {
        if (call.kind == CDrawCall::Pen) {
            pixels.insert((std::uint32_t(GetRValue(call.cr)) << 16) |
                          (std::uint32_t(GetGValue(call.cr)) << 8) | GetBValue(call.cr));
        }
    }
    return pixels;
}

class ReferencePictureTest : public testing::TestWithParam<std::string> {};

TEST_P(ReferencePictureTest, RasterSurfaceDrawsThePicture) {
    const std::string name = GetParam();
    const CTraceReadResult trace = ReadTraceFile((ReferenceFolder / (name + ".trace")).string());
    ASSERT_TRUE(trace.recording) << trace.strError;
    const CPngReadResult png = ReadPngFile((ReferenceFolder / (name + ".png")).string());
    ASSERT_TRUE(png.image) << png.strError;
    const CRecording& recording = *trace.recording;
    const CPixelImage& expected = *png.image;
    ASSERT_EQ(expected.nWidth, recording.nWidth);
    ASSERT_EQ(expected.nHeight, recording.nHeight);

    CRasterDC dc(recording.nWidth, recording.nHeight, recording.crBackground);
    Replay(recording, &dc);
    const CPixelImage actual = Snapshot(dc);

    if (WidePenCases.count(name) != 0) {
        const std::set<std::uint32_t> pens = PenPixels(recording);
        EXPECT_EQ(UnmatchedPenPixels(expected, actual, pens, "reference"), "");
        EXPECT_EQ(UnmatchedPenPixels(actual, expected, pens, "drawn"), "");
    } else {
        EXPECT_EQ(ExactDifferences(expected, actual), "");
    }
}

std::string CaseName(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(GdiReference, ReferencePictureTest, testing::ValuesIn(ReferenceCases()),
                         CaseName);

} // namespace
