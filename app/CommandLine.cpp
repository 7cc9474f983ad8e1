// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "resources/StringTable.h"

namespace {

// The toolkit's own options, taken with one dash or two; those in the second list are
// followed by a value.
constexpr std::array<std::string_view, 8> kToolkitFlags = {
    "reverse", "widgetcount", "nograb",        "dograb",
    "sync",    "testability", "qmljsdebugger", "help-all"};
constexpr std::array<std::string_view, 14> kToolkitOptionsWithValue = {
    "platform",        "platformpluginpath",
    "platformtheme",   "plugin",
    "qwindowgeometry", "geometry",
    "qwindowtitle",    "title",
    "qwindowicon",     "icon",
    "display",         "name",
    "style",           "stylesheet"};

// The name of an option without its dashes and any "=value"; empty for a plain argument.
std::string_view OptionName(std::string_view arg) {
    if (arg.size() < 2 || arg[0] != '-') {
        return {};
    }
    arg.remove_prefix(arg[1] == '-' ? 2 : 1);
    return arg.substr(0, arg.find('='));
}

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

CCommandLine ParseCommandLine(int argc, const char* const* argv) {
    CCommandLine result;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            result.action = ECommandLineAction::Help;
            return result;
        }
        if (arg == "--version") {
            result.action = ECommandLineAction::Version;
            return result;
        }
        const std::string_view name = OptionName(arg);
        if (Contains(kToolkitFlags, name)) {
            continue;
        }
        if (Contains(kToolkitOptionsWithValue, name)) {
            if (arg.find('=') == std::string_view::npos) {
                ++i; // its value
            }
            continue;
        }
        result.action = ECommandLineAction::Misuse;
        result.strBadArgument = arg;
        return result;
    }
    return result;
}

std::string CommandLineUsage() {
    return "usage: nimbrel [--help | --version]\n"
           "Opens the fractal explorer window: ten curves, each with its parameters on its\n"
           "ribbon tab, remembered between runs. It takes no files and no options of its own;\n"
           "the toolkit's options (-platform NAME, -style NAME, ...) are accepted.\n"
           "\n"
           "  --help     print this text and end\n"
           "  --version  print the version and end\n"
           "\n"
           "Pictures without a window: nimbrel-render --help.\n"
           "Exit status: 0 done, 1 no display or the window could not be made, 2 bad usage.\n";
}

std::string CommandLineVersion() {
    return std::string("nimbrel ") + (kProductVersionName + 8) + " (" + kFrameTitle + ")\n";
}

std::string CommandLineMisuse(const std::string& strBadArgument) {
    const bool bOption = !strBadArgument.empty() && strBadArgument[0] == '-';
    return std::string("nimbrel: ") + (bOption ? "unknown option '" : "unexpected argument '") +
           strBadArgument + "'\n" + CommandLineUsage();
}
