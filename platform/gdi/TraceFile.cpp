// SPDX-License-Identifier: MIT
#include "platform/gdi/TraceFile.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// How a call's numbers are read: a fixed count, or pairs of coordinates; which of them is a
// colour (a 32-bit COLORREF rather than a signed int).
struct CCallSyntax {
    const char* pszName;
    CDrawCall::EKind kind;
    int nNumbers;     // -1: any count of x y pairs
    int nColourIndex; // -1: none
};

constexpr CCallSyntax CallSyntaxes[] = {
    {"pen", CDrawCall::Pen, 2, 1},
    {"brush", CDrawCall::Brush, 1, 0},
    {"moveto", CDrawCall::MoveTo, 2, -1},
    {"lineto", CDrawCall::LineTo, 2, -1},
    {"polyline", CDrawCall::Polyline, -1, -1},
    {"polygon", CDrawCall::Polygon, -1, -1},
    {"rectangle", CDrawCall::Rectangle, 4, -1},
    {"setpixel", CDrawCall::SetPixel, 3, 2},
    {"fillrect", CDrawCall::FillRect, 5, 4},
};

std::vector<std::string_view> SplitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
            ++i;
        }
        if (i > start) {
            words.push_back(line.substr(start, i - start));
        }
    }
    return words;
}

// Appending instead of "'" + word + "'" keeps GCC 12's -Wrestrict false alarm away.
std::string Quoted(std::string_view word) {
    std::string text(1, '\'');
    text += word;
    text += '\'';
    return text;
}

// Reads one decimal number within [low, high]; an error text when it is not one.
std::optional<long long> ParseNumber(std::string_view word, long long low, long long high,
                                     std::string* pError) {
    long long value = 0;
    const char* pEnd = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), pEnd, value);
    if (ec == std::errc::result_out_of_range ||
        (ec == std::errc() && ptr == pEnd && (value < low || value > high))) {
        *pError = Quoted(word) + " is out of range (" + std::to_string(low) + " to " +
                  std::to_string(high) + ")";
        return std::nullopt;
    }
    if (ec != std::errc() || ptr != pEnd) {
        *pError = Quoted(word) + " is not a number";
        return std::nullopt;
    }
    return value;
}

constexpr long long IntMin = std::numeric_limits<int>::min();
constexpr long long IntMax = std::numeric_limits<int>::max();
constexpr long long ColourMax = std::numeric_limits<COLORREF>::max();

// Takes the trace a line at a time, so a file is parsed as it is read.
class CTraceParser {
public:
    // False (with the error) when the line does not fit; the line is without its '\n'.
    bool AddLine(std::string_view line);
    CTraceReadResult Finish();
    CTraceReadResult Parse(std::string_view text);
    bool Fail(const std::string& strWhat) {
        m_strError = "line " + std::to_string(m_nLine) + ": " + strWhat;
        return false;
    }
    // The line the next AddLine reads.
    int NextLine() const { return m_nLine + 1; }
    const std::string& Error() const { return m_strError; }

private:
    bool ParseSize(const std::vector<std::string_view>& words);
    bool ParseCall(const std::vector<std::string_view>& words);
    bool ParseNumbers(const std::vector<std::string_view>& words, const CCallSyntax& syntax,
                      CDrawCall* pCall);
    CRecording m_recording;
    int m_nLine = 0;
    bool m_bSized = false;
    std::string m_strError;
};

bool CTraceParser::AddLine(std::string_view line) {
    ++m_nLine;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const std::vector<std::string_view> words = SplitWords(line);
    if (words.empty()) {
        return true;
    }
    if (!(m_bSized ? ParseCall(words) : ParseSize(words))) {
        return false;
    }
    m_bSized = true;
    return true;
}

CTraceReadResult CTraceParser::Finish() {
    if (!m_bSized) {
        return {std::nullopt, "the trace is empty: it must start with 'size W H BACKGROUND'"};
    }
    return {std::move(m_recording), {}};
}

CTraceReadResult CTraceParser::Parse(std::string_view text) {
    while (!text.empty()) {
        const std::size_t nEnd = text.find('\n');
        if (!AddLine(text.substr(0, nEnd))) {
            return {std::nullopt, m_strError};
        }
        text = nEnd == std::string_view::npos ? std::string_view() : text.substr(nEnd + 1);
    }
    return Finish();
}

// A descriptor closed on every way out.
class CFileDescriptor {
public:
    explicit CFileDescriptor(int nFd)
        : m_nFd(nFd) {}
    ~CFileDescriptor() {
        if (m_nFd >= 0) {
            close(m_nFd);
        }
    }
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;
    int Get() const { return m_nFd; }

private:
    int m_nFd;
};

std::string NotRegularText(mode_t nMode) {
    if (S_ISDIR(nMode)) {
        return "is a directory, not a trace";
    }
    if (S_ISFIFO(nMode)) {
        return "is a FIFO: only regular files are read as traces";
    }
    if (S_ISCHR(nMode) || S_ISBLK(nMode)) {
        return "is a device: only regular files are read as traces";
    }
    return "is not a regular file";
}

bool CTraceParser::ParseSize(const std::vector<std::string_view>& words) {
    if (words[0] != "size") {
        return Fail("expected 'size W H BACKGROUND' first, found " + Quoted(words[0]));
    }
    if (words.size() != 4) {
        return Fail("'size' takes 3 numbers, found " + std::to_string(words.size() - 1));
    }
    std::string strError;
    const auto w = ParseNumber(words[1], 0, MaxTraceSide, &strError);
    const auto h = w ? ParseNumber(words[2], 0, MaxTraceSide, &strError) : std::nullopt;
    const auto cr = h ? ParseNumber(words[3], 0, ColourMax, &strError) : std::nullopt;
    if (!cr) {
        return Fail(strError);
    }
    // No picture can be made of a surface without pixels: better said here than when drawing.
    if (*w == 0 || *h == 0) {
        return Fail("the surface must be at least 1 x 1 pixels, not " + std::to_string(*w) + " x " +
                    std::to_string(*h));
    }
    m_recording.nWidth = int(*w);
    m_recording.nHeight = int(*h);
    m_recording.crBackground = COLORREF(*cr);
    return true;
}

bool CTraceParser::ParseCall(const std::vector<std::string_view>& words) {
    const std::string_view name = words[0];
    if (name == "size") {
        return Fail("a second 'size' line");
    }
    if (name == "polyfillmode") {
        if (words.size() != 2 || (words[1] != "alternate" && words[1] != "winding")) {
            return Fail("'polyfillmode' takes 'alternate' or 'winding'");
        }
        CDrawCall call{CDrawCall::PolyFillMode, {}, 0, {}};
        call.a[0] = words[1] == "alternate" ? ALTERNATE : WINDING;
        m_recording.calls.push_back(std::move(call));
        return true;
    }
    for (const CCallSyntax& syntax : CallSyntaxes) {
        if (name == syntax.pszName) {
            CDrawCall call{syntax.kind, {}, 0, {}};
            if (!ParseNumbers(words, syntax, &call)) {
                return false;
            }
            m_recording.calls.push_back(std::move(call));
            return true;
        }
    }
    return Fail("unknown call " + Quoted(name));
}

bool CTraceParser::ParseNumbers(const std::vector<std::string_view>& words,
                                const CCallSyntax& syntax, CDrawCall* pCall) {
    const int nFound = int(words.size()) - 1;
    const std::string strName = syntax.pszName;
    if (syntax.nNumbers < 0 && nFound % 2 != 0) {
        return Fail(Quoted(strName) + " takes x y pairs, found " + std::to_string(nFound) +
                    " numbers");
    }
    if (syntax.nNumbers >= 0 && nFound != syntax.nNumbers) {
        return Fail(Quoted(strName) + " takes " + std::to_string(syntax.nNumbers) +
                    " numbers, found " + std::to_string(nFound));
    }
    std::vector<int> values;
    values.reserve(std::size_t(nFound));
    std::string strError;
    for (int i = 0; i < nFound; ++i) {
        const bool bColour = i == syntax.nColourIndex;
        const auto value = ParseNumber(words[std::size_t(i) + 1], bColour ? 0 : IntMin,
                                       bColour ? ColourMax : IntMax, &strError);
        if (!value) {
            return Fail(strError);
        }
        if (bColour) {
            pCall->cr = COLORREF(*value);
        } else {
            values.push_back(int(*value));
        }
    }
    if (syntax.nNumbers < 0) {
        for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
            pCall->points.push_back(CPoint{values[i], values[i + 1]});
        }
    } else {
        std::copy(values.begin(), values.end(), pCall->a);
    }
    return true;
}

} // namespace

CTraceReadResult ParseTrace(std::string_view text) {
    return CTraceParser().Parse(text);
}

CTraceReadResult ReadTraceFile(const std::string& strPath) {
    auto failure = [&strPath](const std::string& strWhat) {
        return CTraceReadResult{std::nullopt, strPath + ": " + strWhat};
    };
    struct stat info {};
    if (stat(strPath.c_str(), &info) != 0) {
        return {std::nullopt, "cannot open '" + strPath + "': " + std::strerror(errno)};
    }
    if (!S_ISREG(info.st_mode)) {
        return failure(NotRegularText(info.st_mode));
    }
    // Non-blocking, and checked again once open: the name may have been replaced meanwhile.
    const CFileDescriptor file(open(strPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0) {
        return {std::nullopt, "cannot open '" + strPath + "': " + std::strerror(errno)};
    }
    if (fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return failure(NotRegularText(info.st_mode));
    }
    if (std::uint64_t(info.st_size) > MaxTraceBytes) {
        return failure("the trace is larger than " + std::to_string(MaxTraceBytes) + " bytes");
    }
    CTraceParser parser;
    std::string strPending;
    std::vector<char> buffer(std::size_t(1) << 16);
    std::size_t nTotal = 0;
    for (;;) {
        const ssize_t nRead = read(file.Get(), buffer.data(), buffer.size());
        if (nRead < 0 && errno == EINTR) {
            continue;
        }
        if (nRead < 0) {
            return {std::nullopt, "cannot read '" + strPath + "': " + std::strerror(errno)};
        }
        if (nRead == 0) {
            break;
        }
        nTotal += std::size_t(nRead);
        if (nTotal > MaxTraceBytes) {
            return failure("the trace is larger than " + std::to_string(MaxTraceBytes) + " bytes");
        }
        std::string_view chunk(buffer.data(), std::size_t(nRead));
        for (std::size_t nEnd; (nEnd = chunk.find('\n')) != std::string_view::npos;) {
            if (strPending.size() + nEnd > MaxTraceLine) {
                break;
            }
            strPending.append(chunk.substr(0, nEnd));
            if (!parser.AddLine(strPending)) {
                return failure(parser.Error());
            }
            strPending.clear();
            chunk.remove_prefix(nEnd + 1);
        }
        if (strPending.size() + chunk.size() > MaxTraceLine) {
            return failure("line " + std::to_string(parser.NextLine()) + " is longer than " +
                           std::to_string(MaxTraceLine) + " bytes");
        }
        strPending.append(chunk);
    }
    if (!strPending.empty() && !parser.AddLine(strPending)) {
        return failure(parser.Error());
    }
    CTraceReadResult result = parser.Finish();
    if (!result.recording) {
        result.strError = strPath + ": " + result.strError;
    }
    return result;
}

std::string WriteTrace(const CRecording& recording) {
    std::string text = "size " + std::to_string(recording.nWidth) + ' ' +
                       std::to_string(recording.nHeight) + ' ' +
                       std::to_string(recording.crBackground) + '\n';
    for (const CDrawCall& call : recording.calls) {
        text += TraceLine(call);
        text += '\n';
    }
    return text;
}
