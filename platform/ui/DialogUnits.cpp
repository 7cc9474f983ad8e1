// SPDX-License-Identifier: MIT
#include "platform/ui/DialogUnits.h"

#include <QFontMetrics>

#include "platform/gdi/GdiTypes.h"

namespace {

// What an 8-point font measures at 96 dots per inch; taken when a font measures nothing.
constexpr CDialogBaseUnits kFallbackUnits{6, 13};

} // namespace

CDialogBaseUnits DialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int nLettersWidth = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    CDialogBaseUnits units{(nLettersWidth / 26 + 1) / 2, metrics.height()};
    if (units.cx <= 0 || units.cy <= 0) {
        units = kFallbackUnits;
    }
    return units;
}

QRect MapDialogRect(int x, int y, int cx, int cy, CDialogBaseUnits units) {
    return QRect(MulDiv(x, units.cx, 4), MulDiv(y, units.cy, 8), MulDiv(cx, units.cx, 4),
                 MulDiv(cy, units.cy, 8));
}
