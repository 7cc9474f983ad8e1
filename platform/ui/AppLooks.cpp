// SPDX-License-Identifier: MIT
#include "platform/ui/AppLooks.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QVariant>
#include <QWidget>

namespace {

// The tones of one look. The palette dresses every widget and dialog; the rest dresses the
// ribbon, the pane captions, the status bar and the view area's surround by object name.
struct CLookTones {
    UINT nLook;
    const char* pszWindow;
    const char* pszBase;
    const char* pszText;
    const char* pszButton;
    const char* pszHighlight;
    const char* pszHighlightText;
    const char* pszRibbonTop;
    const char* pszRibbonBottom;
    const char* pszTabText;
    const char* pszTabSelected;
    const char* pszPageTop;
    const char* pszPageBottom;
    const char* pszBorder;
    const char* pszCaption;
    const char* pszCaptionText;
    const char* pszPaneTop;
    const char* pszPaneBottom;
    const char* pszPaneText;
    const char* pszStatusTop;
    const char* pszStatusBottom;
    const char* pszStatusText;
    const char* pszSurround;
    int nRadius;
};

// clang-format off
constexpr CLookTones kLooks[] = {
    // Windows 2000: the classic grey, square corners, navy captions.
    {205, "#d4d0c8", "#ffffff", "#000000", "#d4d0c8", "#0a246a", "#ffffff",
     "#d4d0c8", "#d4d0c8", "#000000", "#d4d0c8", "#d4d0c8", "#d4d0c8", "#808080",
     "#d4d0c8", "#000000", "#0a246a", "#a6caf0", "#ffffff",
     "#d4d0c8", "#d4d0c8", "#000000", "#808080", 0},
    // Office XP: light warm grey bars, flat pale captions, blue-grey selection.
    {206, "#f0eee8", "#ffffff", "#000000", "#f7f6f3", "#b6bdd2", "#000000",
     "#f7f6f3", "#e9e7e0", "#000000", "#fcfcfb", "#fcfcfb", "#efede6", "#a7a6aa",
     "#e3e1da", "#3c3c3c", "#d4d0c8", "#d4d0c8", "#000000",
     "#ece9d8", "#ece9d8", "#000000", "#aca899", 0},
    // Windows XP: the blue theme with its bright caption bars.
    {207, "#ece9d8", "#ffffff", "#000000", "#f4f3ee", "#316ac5", "#ffffff",
     "#fcfcfe", "#e3e1d4", "#000000", "#ffffff", "#fefefd", "#ece9d8", "#919b9c",
     "#d6dff7", "#215dc6", "#0054e3", "#3d95ff", "#ffffff",
     "#ece9d8", "#ddd8c3", "#000000", "#7a96df", 3},
    // Office 2003: blue gradients, dark blue text, orange highlights.
    {208, "#e3efff", "#ffffff", "#000000", "#d6e6fc", "#ffc36a", "#000000",
     "#e3efff", "#9ebef5", "#15428b", "#fff3c9", "#f4f8fe", "#c4daf9", "#6f93d3",
     "#7ba2e7", "#ffffff", "#c4dafa", "#7ba2e7", "#15428b",
     "#e3efff", "#9ebef5", "#15428b", "#abc7ec", 3},
    // Visual Studio 2005: beige tool bars, sand captions.
    {209, "#f5f4ef", "#ffffff", "#000000", "#f5f4ef", "#c1d2ee", "#000000",
     "#fefefb", "#e2e1d5", "#000000", "#ffffff", "#fbfaf6", "#ebe9de", "#aca899",
     "#d8d2bd", "#3c3c3c", "#ece9d8", "#cfc8ae", "#000000",
     "#f5f4ef", "#dedbcd", "#000000", "#ababab", 2},
    // Visual Studio 2008: lavender-blue bars and slate captions.
    {210, "#e9ecf4", "#ffffff", "#000000", "#eef0f7", "#3399ff", "#ffffff",
     "#eef1fa", "#c1c9e2", "#1e2b4a", "#ffffff", "#f7f8fc", "#dde2ef", "#8e9bbc",
     "#c8cfe3", "#2a3a5e", "#5b7199", "#3b4b68", "#ffffff",
     "#e1e5f0", "#bcc5de", "#1e2b4a", "#9ca6c0", 2},
    // Office 2007, blue.
    {215, "#dfe9f5", "#ffffff", "#000000", "#e4ecf7", "#ffd87a", "#000000",
     "#dbe6f4", "#bfd3ea", "#15428b", "#fafcfe", "#fafcfe", "#c7d8ed", "#8db2e3",
     "#c2d9f0", "#3e6aaa", "#e4ecf7", "#c6d6ec", "#15428b",
     "#d3e1f2", "#a7c3e9", "#15428b", "#bfdbff", 4},
    // Office 2007, black.
    {216, "#cfd1d5", "#ffffff", "#000000", "#dcdee2", "#ffd87a", "#000000",
     "#535353", "#262626", "#ffffff", "#6b6b6b", "#eeeeee", "#c8ccd2", "#414141",
     "#6b6b6b", "#ffffff", "#5e5e5e", "#2e2e2e", "#ffffff",
     "#4b4b4b", "#1f1f1f", "#ffffff", "#535353", 4},
    // Office 2007, silver.
    {217, "#e6e9ee", "#ffffff", "#000000", "#edeff2", "#ffd87a", "#000000",
     "#f2f3f5", "#cfd4db", "#4c535c", "#ffffff", "#fafbfc", "#dde0e5", "#a5acb5",
     "#d3d7dd", "#4c535c", "#eef0f3", "#c6cbd2", "#4c535c",
     "#e8eaed", "#b8bec6", "#3b3b3b", "#d5d9de", 4},
    // Office 2007, aqua.
    {218, "#d7ebf1", "#ffffff", "#000000", "#def0f5", "#ffd87a", "#000000",
     "#d5ebf2", "#94c5d6", "#1d4c5c", "#f8fcfd", "#f6fbfc", "#b8dce7", "#6ba9bd",
     "#a9d2df", "#1d4c5c", "#d1e8ef", "#97c6d6", "#1d4c5c",
     "#cbe5ee", "#8fc1d2", "#1d4c5c", "#b0d5e0", 4},
    // Windows 7: flat and light.
    {219, "#f5f7fa", "#ffffff", "#1e395b", "#fbfcfd", "#cce4f7", "#000000",
     "#ffffff", "#f3f6fb", "#1e395b", "#ffffff", "#ffffff", "#f6f8fb", "#b9c9da",
     "#eef2f7", "#4d6280", "#fbfcfe", "#eef2f8", "#1e395b",
     "#f1f4f9", "#e6ecf4", "#1e395b", "#e9eef5", 2},
};
// clang-format on

constexpr UINT kDefaultLook = 210;
constexpr UINT kFirstOffice2007Look = 215;
constexpr UINT kLastOffice2007Look = 218;
constexpr const char* kWindows7Property = "windows7Look";

UINT g_nInstalledLook = 0;
// 211 to 214 keep the Office 2007 colour style as it is; blue until one was chosen.
UINT g_nOffice2007Style = kFirstOffice2007Look;

const CLookTones& TonesOf(UINT nLook) {
    if (nLook >= 211 && nLook <= 214) {
        nLook = g_nOffice2007Style;
    }
    for (const CLookTones& tones : kLooks) {
        if (tones.nLook == nLook) {
            return tones;
        }
    }
    return TonesOf(kDefaultLook);
}

QPalette PaletteOf(const CLookTones& tones) {
    QPalette palette(QColor(tones.pszButton), QColor(tones.pszWindow));
    const QColor text(tones.pszText);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, QColor(tones.pszWindow));
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Base, QColor(tones.pszBase));
        palette.setColor(group, QPalette::AlternateBase, QColor(tones.pszWindow).lighter(104));
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::Button, QColor(tones.pszButton));
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::Highlight, QColor(tones.pszHighlight));
        palette.setColor(group, QPalette::HighlightedText, QColor(tones.pszHighlightText));
        palette.setColor(group, QPalette::ToolTipBase, QColor(tones.pszBase));
        palette.setColor(group, QPalette::ToolTipText, text);
        palette.setColor(group, QPalette::PlaceholderText, QColor(tones.pszCaptionText));
        palette.setColor(group, QPalette::Link, QColor(tones.pszTabText).darker(110));
    }
    return palette;
}

QString Gradient(const char* pszTop, const char* pszBottom) {
    return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
        .arg(QLatin1String(pszTop), QLatin1String(pszBottom));
}

QString StyleSheetOf(const CLookTones& tones) {
    const QString radius = QString::number(tones.nRadius);
    QString sheet;
    sheet += QStringLiteral("QMainWindow#MainFrame, QWidget#ClientArea { background: %1; }\n")
                 .arg(QLatin1String(tones.pszSurround));
    sheet += QStringLiteral("QMainWindow#MainFrame::separator { background: %1; width: 4px; "
                            "height: 4px; }\n")
                 .arg(QLatin1String(tones.pszSurround));
    sheet += QStringLiteral("#RibbonBar { background: %1; }\n")
                 .arg(Gradient(tones.pszRibbonTop, tones.pszRibbonBottom));
    sheet +=
        QStringLiteral("#RibbonBar QTabBar { color: %1; }\n").arg(QLatin1String(tones.pszTabText));
    sheet += QStringLiteral("#RibbonBar QTabBar::tab { color: %1; background: transparent; "
                            "border: 1px solid transparent; border-bottom: none; "
                            "border-top-left-radius: %2px; border-top-right-radius: %2px; "
                            "padding: 3px 10px; }\n")
                 .arg(QLatin1String(tones.pszTabText), radius);
    sheet += QStringLiteral("#RibbonBar QTabBar::tab:selected { color: %1; background: %2; "
                            "border-color: %3; }\n")
                 .arg(QLatin1String(tones.pszTabText), QLatin1String(tones.pszTabSelected),
                      QLatin1String(tones.pszBorder));
    sheet += QStringLiteral("#RibbonBar QTabBar::tab:hover:!selected { border-color: %1; }\n")
                 .arg(QLatin1String(tones.pszBorder));
    sheet += QStringLiteral("#RibbonBar > QWidget > QToolButton { color: %1; }\n")
                 .arg(QLatin1String(tones.pszTabText));
    sheet += QStringLiteral("QFrame#RibbonPages { background: %1; border: 1px solid %2; "
                            "border-radius: %3px; }\n")
                 .arg(Gradient(tones.pszPageTop, tones.pszPageBottom),
                      QLatin1String(tones.pszBorder), radius);
    sheet += QStringLiteral("QLabel#RibbonPanelCaption { background: %1; color: %2; "
                            "border-radius: %3px; }\n")
                 .arg(QLatin1String(tones.pszCaption), QLatin1String(tones.pszCaptionText), radius);
    sheet += QStringLiteral("QDockWidget { color: %1; }\n").arg(QLatin1String(tones.pszPaneText));
    sheet +=
        QStringLiteral("QDockWidget::title { background: %1; padding: 3px 6px; "
                       "border: 1px solid %2; }\n")
            .arg(Gradient(tones.pszPaneTop, tones.pszPaneBottom), QLatin1String(tones.pszBorder));
    // The caption buttons on a light backing, so they show on the darker captions too.
    sheet += QStringLiteral("QDockWidget::close-button, QDockWidget::float-button { "
                            "background: rgba(255, 255, 255, 150); border: none; "
                            "border-radius: 2px; }\n");
    sheet += QStringLiteral("QStatusBar#StatusBar { background: %1; color: %2; }\n")
                 .arg(Gradient(tones.pszStatusTop, tones.pszStatusBottom),
                      QLatin1String(tones.pszStatusText));
    sheet += QStringLiteral("QStatusBar#StatusBar QLabel { color: %1; }\n")
                 .arg(QLatin1String(tones.pszStatusText));
    // The ribbon's Windows 7 look: white and flat whatever the frame's look.
    sheet += QStringLiteral(
        "#RibbonBar[windows7Look=\"true\"] { background: #ffffff; }\n"
        "#RibbonBar[windows7Look=\"true\"] QTabBar { color: #1e395b; }\n"
        "#RibbonBar[windows7Look=\"true\"] QTabBar::tab { color: #1e395b; border-radius: 0px; }\n"
        "#RibbonBar[windows7Look=\"true\"] QTabBar::tab:selected { color: #1e395b; "
        "background: #ffffff; border-color: #b9c9da; }\n"
        "#RibbonBar[windows7Look=\"true\"] > QWidget > QToolButton { color: #1e395b; }\n"
        "#RibbonBar[windows7Look=\"true\"] QFrame#RibbonPages { background: #f5f6f7; "
        "border: 1px solid #b9c9da; border-radius: 0px; }\n"
        "#RibbonBar[windows7Look=\"true\"] QLabel#RibbonPanelCaption { background: transparent; "
        "color: #4d6280; border-radius: 0px; }\n");
    return sheet;
}

} // namespace

bool IsAppLook(UINT nLook) {
    return nLook >= kFirstAppLook && nLook <= kLastAppLook;
}

bool UsesSmartDocking(UINT nLook) {
    return nLook >= 208 && nLook <= kLastAppLook;
}

void InstallAppLook(UINT nLook) {
    if (!IsAppLook(nLook)) {
        nLook = kDefaultLook;
    }
    if (nLook >= kFirstOffice2007Look && nLook <= kLastOffice2007Look) {
        g_nOffice2007Style = nLook;
    }
    const CLookTones& tones = TonesOf(nLook);
    // Once per run: the style sheet wraps the style afterwards, which hides its name.
    static const bool bFusion = [] {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        return true;
    }();
    Q_UNUSED(bFusion);
    QApplication::setPalette(PaletteOf(tones));
    qApp->setStyleSheet(StyleSheetOf(tones));
    g_nInstalledLook = nLook;
}

UINT GetInstalledAppLook() {
    return g_nInstalledLook;
}

void SetRibbonWindows7Look(QWidget* pRibbon, bool bOn) {
    if (pRibbon == nullptr) {
        return;
    }
    pRibbon->setProperty(kWindows7Property, bOn);
    // The style sheet reads the switch when the ribbon and its children are polished anew.
    for (QWidget* pWidget : pRibbon->findChildren<QWidget*>()) {
        pWidget->style()->unpolish(pWidget);
        pWidget->style()->polish(pWidget);
    }
    pRibbon->style()->unpolish(pRibbon);
    pRibbon->style()->polish(pRibbon);
    pRibbon->updateGeometry();
    pRibbon->update();
}

bool HasRibbonWindows7Look(const QWidget* pRibbon) {
    return pRibbon != nullptr && pRibbon->property(kWindows7Property).toBool();
}
