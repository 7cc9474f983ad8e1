// SPDX-License-Identifier: MIT
#include "platform/ui/DialogUnits.h"

#include <QFontMetrics>

#include "platform/gdi/GdiTypes.h"

CDialogBaseUnits DialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int nLettersWidth = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    CDialogBaseUnits units{(nLettersWidth / 26 + 1) / 2, metrics.height()};
    if (units.cx <= 0 || units.cy <= 0) {
        units = kEightPointDialogUnits;
    }
    return units;
}

QRect MapDialogRect(int x, int y, int cx, int cy, CDialogBaseUnits units) {
    const int left = MulDiv(x, units.cx, 4);
    const int top = MulDiv(y, units.cy, 8);
    return QRect(QPoint(left, top),
                 QPoint(MulDiv(x + cx, units.cx, 4) - 1, MulDiv(y + cy, units.cy, 8) - 1));
}
