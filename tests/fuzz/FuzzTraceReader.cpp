// SPDX-License-Identifier: MIT
// Fuzz target: any bytes as a trace. The reader answers a recording or one error, never
// crashes; a recording it accepts writes back to text it reads again to the same text, and
// small ones are drawn and written as SVG.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/gdi/RasterDC.h"
#include "platform/gdi/SvgWriter.h"
#include "platform/gdi/TraceFile.h"

namespace {

// Larger surfaces and longer traces only cost the fuzzer time and memory.
constexpr int kMaxDrawnPixels = 256 * 256;
constexpr std::size_t kMaxDrawnCalls = 4096;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::string_view text(reinterpret_cast<const char*>(pData), nSize);
    const CTraceReadResult result = ParseTrace(text);
    if (!result.recording) {
        if (result.strError.empty()) {
            std::abort();
        }
        return 0;
    }
    const CRecording& recording = *result.recording;
    const std::string strText = WriteTrace(recording);
    const CTraceReadResult again = ParseTrace(strText);
    if (!again.recording || WriteTrace(*again.recording) != strText) {
        std::abort();
    }
    if (recording.calls.size() <= kMaxDrawnCalls &&
        recording.nWidth * recording.nHeight <= kMaxDrawnPixels) {
        CRasterDC dc(recording.nWidth, recording.nHeight, recording.crBackground);
        Replay(recording, &dc);
        WriteSvg(recording);
    }
    return 0;
}
