// SPDX-License-Identifier: MIT
#include "tools/render/RenderOptions.h"

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <limits>
#include <map>

const char* const kRenderUsage =
    "usage: nimbrel-render [options]\n"
    "Draws a curve the way its view paints a window: the window erased to white, then the\n"
    "background and the curve.\n"
    "\n"
    "  --curve NAME          the curve (default koch); --list prints the names\n"
    "  --size WxH            the window (default 800x600)\n"
    "  --draw L,T,R,B        draw in this square (also the background) on a surface of --size;\n"
    "                        each edge within -16777216 to 16777216\n"
    "  --level N  --frame N  --grain N  --param1 N  --param2 N  --param3 N  --fading N\n"
    "  --code BITS           the folding code (up to 16 characters of 0 and 1)\n"
    "  --curve-colour C  --first-colour C  --second-colour C\n"
    "                        colours as decimal COLORREF (0x00BBGGRR) or #RRGGBB\n"
    "  --seed N              the clock in seconds that seeds random pictures (default: now)\n"
    "  --stored              start from the curve's stored settings instead of its defaults\n"
    "  --settings            print the settings string the view would store, draw nothing\n"
    "  -o FILE.png           the picture\n"
    "  --trace FILE          the drawing calls as a trace\n"
    "  --svg FILE            the drawing calls as an SVG picture\n"
    "  --replay TRACE        draw a trace file instead of a curve (for -o)\n"
    "  --list, --help\n"
    "\n"
    "Exit status: 0 done, 2 bad usage, unknown curve, malformed number or trace, or an output\n"
    "that could not be written (no half-written file is left).\n";

namespace {

// The largest distance of a --draw edge from the origin: well inside what the curves and the
// background painter compute with, far beyond any surface (at most 16384 pixels a side).
constexpr int kMaxDrawCoordinate = 1 << 24;

// Exactly an optional '-' and decimal digits: no spaces, no '+'.
std::optional<std::int64_t> ParseInteger(const std::string& text, std::int64_t nMin,
                                         std::int64_t nMax) {
    const std::size_t nDigits = text.size() > 0 && text[0] == '-' ? 1 : 0;
    if (text.size() == nDigits ||
        text.find_first_not_of("0123456789", nDigits) != std::string::npos) {
        return std::nullopt;
    }
    char* pEnd = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &pEnd, 10);
    if (errno != 0 || *pEnd != '\0' || value < nMin || value > nMax) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParseInt(const std::string& text) {
    auto value =
        ParseInteger(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    return value ? std::optional<int>(int(*value)) : std::nullopt;
}

std::optional<COLORREF> ParseColour(const std::string& text) {
    if (text.size() == 7 && text[0] == '#') {
        auto hex = [&text](std::size_t i) -> std::optional<BYTE> {
            const std::string digits = text.substr(i, 2);
            if (digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
                return std::nullopt;
            }
            return BYTE(std::strtol(digits.c_str(), nullptr, 16));
        };
        auto r = hex(1), g = hex(3), b = hex(5);
        if (!r || !g || !b) {
            return std::nullopt;
        }
        return RGB(*r, *g, *b);
    }
    auto value = ParseInteger(text, 0, 0x00FFFFFF);
    return value ? std::optional<COLORREF>(COLORREF(*value)) : std::nullopt;
}

bool ParseSize(const std::string& text, int& nWidth, int& nHeight) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) {
        return false;
    }
    auto w = ParseInteger(text.substr(0, x), 1, 16384);
    auto h = ParseInteger(text.substr(x + 1), 1, 16384);
    if (!w || !h) {
        return false;
    }
    nWidth = int(*w);
    nHeight = int(*h);
    return true;
}

std::optional<CRect> ParseRect(const std::string& text) {
    int values[4];
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t comma = i < 3 ? text.find(',', start) : text.size();
        if (comma == std::string::npos) {
            return std::nullopt;
        }
        auto value = ParseInteger(text.substr(start, comma - start), -kMaxDrawCoordinate,
                                  kMaxDrawCoordinate);
        if (!value) {
            return std::nullopt;
        }
        values[i] = int(*value);
        start = comma + 1;
    }
    return CRect{values[0], values[1], values[2], values[3]};
}

bool IsFoldCode(const std::string& text) {
    return text.size() <= 16 && text.find_first_not_of("01") == std::string::npos;
}

} // namespace

CParsedOptions ParseRenderOptions(const std::vector<std::string>& args) {
    CRenderOptions options;
    using CSetter = std::function<bool(const std::string&)>;
    auto intInto = [](std::optional<int>& member) {
        return CSetter(
            [&member](const std::string& text) { return bool(member = ParseInt(text)); });
    };
    auto colourInto = [](std::optional<COLORREF>& member) {
        return CSetter(
            [&member](const std::string& text) { return bool(member = ParseColour(text)); });
    };
    auto textInto = [](std::string& member) {
        return CSetter([&member](const std::string& text) {
            member = text;
            return !text.empty();
        });
    };
    const std::map<std::string, CSetter> valued = {
        {"--curve", textInto(options.strCurve)},
        {"--size",
         [&options](const std::string& text) {
             return ParseSize(text, options.nWidth, options.nHeight);
         }},
        {"--draw",
         [&options](const std::string& text) { return bool(options.rcDraw = ParseRect(text)); }},
        {"--level", intInto(options.nLevel)},
        {"--frame", intInto(options.nFrame)},
        {"--grain", intInto(options.nGrain)},
        {"--param1", intInto(options.nParam1)},
        {"--param2", intInto(options.nParam2)},
        {"--param3", intInto(options.nParam3)},
        {"--fading", intInto(options.nFading)},
        {"--code",
         [&options](const std::string& text) {
             options.strCode = text;
             return IsFoldCode(text);
         }},
        {"--curve-colour", colourInto(options.crCurve)},
        {"--first-colour", colourInto(options.crFirst)},
        {"--second-colour", colourInto(options.crSecond)},
        {"--seed",
         [&options](const std::string& text) {
             return bool(options.nSeed =
                             ParseInteger(text, std::numeric_limits<std::int64_t>::min(),
                                          std::numeric_limits<std::int64_t>::max()));
         }},
        {"-o", textInto(options.strPngPath)},
        {"--trace", textInto(options.strTracePath)},
        {"--svg", textInto(options.strSvgPath)},
        {"--replay", textInto(options.strReplayPath)},
    };
    const std::map<std::string, bool*> flags = {{"--stored", &options.bStored},
                                                {"--settings", &options.bPrintSettings},
                                                {"--list", &options.bList},
                                                {"--help", &options.bHelp},
                                                {"-h", &options.bHelp}};

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (auto flag = flags.find(arg); flag != flags.end()) {
            *flag->second = true;
            continue;
        }
        auto setter = valued.find(arg);
        if (setter == valued.end()) {
            return {std::nullopt, "unknown option '" + arg + "' (see --help)"};
        }
        if (i + 1 == args.size()) {
            return {std::nullopt, "option " + arg + " needs a value"};
        }
        const std::string& value = args[++i];
        if (!setter->second(value)) {
            return {std::nullopt, "bad value '" + value + "' for " + arg};
        }
    }
    if (!options.bHelp && !options.bList && !options.bPrintSettings && options.strPngPath.empty() &&
        options.strTracePath.empty() && options.strSvgPath.empty()) {
        return {std::nullopt, "nothing to write: give -o, --trace or --svg (see --help)"};
    }
    if (!options.strReplayPath.empty() && options.strPngPath.empty()) {
        return {std::nullopt, "--replay draws a picture: give -o FILE.png"};
    }
    return {options, {}};
}
