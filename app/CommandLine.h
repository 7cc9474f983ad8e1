// SPDX-License-Identifier: MIT
// The few options nimbrel answers before any window machinery starts: --help and --version
// print a short text and end the program; anything else it does not know gets the usage and
// exit status 2. The toolkit's own options (-platform, -style, ...) are left to the toolkit.
#pragma once

#include <string>

enum class ECommandLineAction {
    Run,     // open the window
    Help,    // print the usage to standard output, status 0
    Version, // print the version to standard output, status 0
    Misuse,  // print the complaint and the usage to standard error, status 2
};

struct CCommandLine {
    ECommandLineAction action = ECommandLineAction::Run;
    // The argument that was not understood (Misuse only).
    std::string strBadArgument;
};

CCommandLine ParseCommandLine(int argc, const char* const* argv);

// The texts, each ending in a newline.
std::string CommandLineUsage();
std::string CommandLineVersion();
// "nimbrel: unknown option '--x'" and the like, then the usage.
std::string CommandLineMisuse(const std::string& strBadArgument);
