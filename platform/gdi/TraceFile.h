// SPDX-License-Identifier: MIT
// Trace files: a recording as text, one drawing call a line after a size line. The reader
// turns hand-written or saved traces into recordings to replay; the writer makes the text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/gdi/Recording.h"

// The largest surface side a trace may ask for: a 16384 x 16384 surface is already 1 GiB.
constexpr int MaxTraceSide = 16384;
// The longest line and the largest trace read: a polygon of a million points fits in a line,
// and no picture of the program comes near the total.
constexpr std::size_t MaxTraceLine = std::size_t(64) << 20;
constexpr std::size_t MaxTraceBytes = std::size_t(1) << 30;

struct CTraceReadResult {
    std::optional<CRecording> recording;
    std::string strError; // "line N: what is wrong" when there is no recording
};

// Parses trace text. Blank lines are skipped, a line may end in CR LF, and numbers are
// separated by spaces or tabs; anything else that does not fit the format is an error, and
// so is a surface side of 0.
CTraceReadResult ParseTrace(std::string_view text);
// Reads a regular file as it parses, within the bounds above; anything else (a FIFO, a
// device, a directory) is refused without being opened for reading.
CTraceReadResult ReadTraceFile(const std::string& strPath);

// The recording as trace text: the size line, then TraceLine() of each call, each ending in
// a line break. Saving it to a file is the caller's (the renderer writes files atomically).
std::string WriteTrace(const CRecording& recording);
