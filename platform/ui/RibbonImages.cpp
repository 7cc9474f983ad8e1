// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonImages.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace {

constexpr int kDrawnSize = 32;

// An icon drawn at kDrawnSize on a transparent square with antialiasing.
template <class Draw> QIcon DrawnIcon(Draw draw) {
    QPixmap pixmap(kDrawnSize, kDrawnSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

// The application button: a rounded tile with the program's initial.
QIcon ApplicationIcon() {
    return DrawnIcon([](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(38, 92, 160));
        painter.drawRoundedRect(QRectF(1, 1, kDrawnSize - 2, kDrawnSize - 2), 7, 7);
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(20);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, kDrawnSize, kDrawnSize), Qt::AlignCenter, QStringLiteral("N"));
    });
}

// The colour command: a curve colour swatch over a two-colour background.
QIcon ColourIcon() {
    return DrawnIcon([](QPainter& painter) {
        QLinearGradient gradient(0, 0, kDrawnSize, kDrawnSize);
        gradient.setColorAt(0, QColor(225, 225, 225));
        gradient.setColorAt(1, QColor(166, 202, 240));
        painter.setPen(QColor(120, 120, 120));
        painter.setBrush(gradient);
        painter.drawRoundedRect(QRectF(2.5, 4.5, 27, 23), 3, 3);
        painter.setPen(QPen(QColor(200, 150, 0), 2.5));
        painter.drawPolyline(QPolygonF({{5, 22}, {11, 22}, {16, 11}, {21, 22}, {27, 22}}));
    });
}

// The clipboard command: a board with a sheet of paper clipped to it.
QIcon ClipboardIcon() {
    return DrawnIcon([](QPainter& painter) {
        painter.setPen(QColor(110, 72, 30));
        painter.setBrush(QColor(176, 122, 60));
        painter.drawRoundedRect(QRectF(5.5, 4.5, 21, 26), 2, 2);
        painter.setPen(QColor(150, 150, 150));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(8.5, 9.5, 15, 18));
        painter.setPen(QColor(90, 90, 90));
        painter.setBrush(QColor(200, 200, 200));
        painter.drawRoundedRect(QRectF(11.5, 2.5, 9, 5), 1.5, 1.5);
        painter.setPen(QColor(120, 160, 210));
        for (int y = 14; y <= 23; y += 3) {
            painter.drawLine(QPointF(11, y + 0.5), QPointF(21, y + 0.5));
        }
    });
}

// Quick print: a small printer.
QIcon PrinterIcon() {
    return DrawnIcon([](QPainter& painter) {
        painter.setPen(QColor(110, 110, 110));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(9.5, 3.5, 13, 10));
        painter.setBrush(QColor(150, 155, 165));
        painter.drawRoundedRect(QRectF(3.5, 11.5, 25, 12), 2, 2);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(9.5, 19.5, 13, 9));
        painter.setBrush(QColor(80, 200, 80));
        painter.drawEllipse(QPointF(24, 15.5), 1.5, 1.5);
    });
}

// Help: a question mark in a blue disc.
QIcon HelpIcon() {
    return DrawnIcon([](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(38, 92, 160));
        painter.drawEllipse(QRectF(2, 2, kDrawnSize - 4, kDrawnSize - 4));
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(20);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, kDrawnSize, kDrawnSize), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QStyle::StandardPixmap StandardPixmapOf(ERibbonImage image) {
    switch (image) {
    case ERibbonImage::New:
        return QStyle::SP_FileIcon;
    case ERibbonImage::Open:
        return QStyle::SP_DialogOpenButton;
    case ERibbonImage::Save:
        return QStyle::SP_DialogSaveButton;
    case ERibbonImage::Exit:
        return QStyle::SP_DialogCloseButton;
    case ERibbonImage::Feedback:
        return QStyle::SP_MessageBoxInformation;
    case ERibbonImage::StatusBar:
        return QStyle::SP_TitleBarNormalButton;
    case ERibbonImage::OutputPane:
        return QStyle::SP_FileDialogDetailedView;
    case ERibbonImage::SmallIcons:
        return QStyle::SP_FileDialogListView;
    case ERibbonImage::LargeIcons:
        return QStyle::SP_DesktopIcon;
    case ERibbonImage::CheckUpdate:
        return QStyle::SP_BrowserReload;
    case ERibbonImage::WebPage:
        return QStyle::SP_DriveNetIcon;
    case ERibbonImage::Support:
        return QStyle::SP_MessageBoxQuestion;
    case ERibbonImage::About:
        return QStyle::SP_FileDialogInfoView;
    default:
        return QStyle::SP_CustomBase;
    }
}

} // namespace

QIcon RibbonIcon(ERibbonImage image) {
    switch (image) {
    case ERibbonImage::None:
        return {};
    case ERibbonImage::Application:
        return ApplicationIcon();
    case ERibbonImage::Colour:
        return ColourIcon();
    case ERibbonImage::Clipboard:
        return ClipboardIcon();
    case ERibbonImage::QuickPrint:
        return PrinterIcon();
    case ERibbonImage::Help:
        return HelpIcon();
    default:
        return QApplication::style()->standardIcon(StandardPixmapOf(image));
    }
}
