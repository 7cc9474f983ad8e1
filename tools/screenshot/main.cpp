// SPDX-License-Identifier: MIT
// nimbrel-screenshot: starts the program as usual and saves a picture of its main window,
// for the README and for looking at the window without a display
// (scripts/screenshot.sh runs it on the offscreen platform with settings of its own).
// "--look N" first stores the application look N (205 to 219), as a user's choice would.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QApplication>
#include <QPixmap>
#include <QString>

#include "app/MainFrame.h"
#include "app/NimbrelApp.h"
#include "settings/ProgramSettings.h"

int main(int argc, char* argv[]) {
    int nLook = 0;
    if (argc >= 3 && std::string(argv[1]) == "--look") {
        nLook = std::atoi(argv[2]);
        if (nLook < 205 || nLook > 219) {
            std::fprintf(stderr, "nimbrel-screenshot: a look is a number from 205 to 219\n");
            return 2;
        }
        argv[2] = argv[0];
        argv += 2;
        argc -= 2;
    }
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: nimbrel-screenshot [--look N] FILE.png [WIDTH HEIGHT]\n");
        return 2;
    }
    const int nWidth = argc == 4 ? std::atoi(argv[2]) : 1280;
    const int nHeight = argc == 4 ? std::atoi(argv[3]) : 800;
    if (nWidth <= 0 || nHeight <= 0 || nWidth > 10000 || nHeight > 10000) {
        std::fprintf(stderr, "nimbrel-screenshot: a size is two numbers from 1 to 10000\n");
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nimbrel"));
    QApplication::setOrganizationName(QStringLiteral("Korvat"));
    if (nLook != 0) {
        WriteApplicationLook(nLook);
    }
    // Messages go to standard error (no handler is installed): nothing here waits on a box.
    CNimbrelApp app;
    if (!app.InitInstance()) {
        return app.ExitInstance(1);
    }
    CMainFrame* pFrame = app.GetMainFrame();
    pFrame->resize(nWidth, nHeight);
    // Lets the layouts settle and the views take their size before the picture.
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
    }
    const bool bSaved = pFrame->grab().save(QString::fromLocal8Bit(argv[1]));
    if (!bSaved) {
        std::fprintf(stderr, "nimbrel-screenshot: cannot write %s\n", argv[1]);
    }
    return app.ExitInstance(bSaved ? 0 : 1);
}
