// SPDX-License-Identifier: MIT
// The nimbrel program: the windowed fractal explorer. It needs a display; without one it
// says so and ends before any window machinery starts, as it does for --help, --version and
// options it does not know.
#include <cstdio>
#include <cstdlib>

#include <QApplication>

#include "app/CommandLine.h"
#include "app/NimbrelApp.h"
#include "platform/ui/QtMessageBox.h"
#include "platform/ui/TerminationSignals.h"
#include "views/qt/SetColourDlgRunner.h"

namespace {

bool IsSet(const char* pszName) {
    const char* pszValue = std::getenv(pszName);
    return pszValue != nullptr && *pszValue != '\0';
}

// An X or Wayland display, or a platform named explicitly (offscreen, vnc, ...).
bool HasDisplay() {
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[]) {
    const CCommandLine commandLine = ParseCommandLine(argc, argv);
    switch (commandLine.action) {
    case ECommandLineAction::Help:
        std::fputs(CommandLineUsage().c_str(), stdout);
        return 0;
    case ECommandLineAction::Version:
        std::fputs(CommandLineVersion().c_str(), stdout);
        return 0;
    case ECommandLineAction::Misuse:
        std::fputs(CommandLineMisuse(commandLine.strBadArgument).c_str(), stderr);
        return 2;
    case ECommandLineAction::Run:
        break;
    }
    if (!HasDisplay()) {
        std::fprintf(stderr, "nimbrel: no display to open a window on "
                             "(DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are unset)\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nimbrel"));
    QApplication::setOrganizationName(QStringLiteral("Korvat"));
    InstallQtMessageBoxHandler();
    InstallSetColourDlgRunner();
    // Before anything opens the store: from here on a termination signal closes the main
    // window like its close button, and never cuts a settings write short.
    CTerminationSignals termination;
    CNimbrelApp app;
    if (!app.InitInstance()) {
        return app.ExitInstance(1);
    }
    termination.CloseOnTermination(app.GetMainFrame());
    return app.ExitInstance(QApplication::exec());
}
