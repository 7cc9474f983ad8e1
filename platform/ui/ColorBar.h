// SPDX-License-Identifier: MIT
// A palette control: the 20 standard system colours in a grid, the current colour framed,
// and an "Other..." entry that asks the colour picker for any colour. Choosing a colour is
// the bar's command: it emits colourSelected.
#pragma once

#include <functional>
#include <optional>

#include <QColor>
#include <QString>
#include <QWidget>

#include "platform/WinTypes.h"

class CColorBar : public QWidget {
    Q_OBJECT

public:
    // Asks the user for any colour, starting from initial; nothing when the user cancels.
    using CColourPicker =
        std::function<std::optional<QColor>(const QColor& initial, QWidget* pParent)>;

    static constexpr int kStandardColours = 20;

    explicit CColorBar(int nColumns = 5, QWidget* pParent = nullptr);

    // The bar's margins around the palette, in pixels.
    void SetHorzMargin(int nMargin);
    void SetVertMargin(int nMargin);
    // Shows the extra entry under the palette with this text; it opens the colour picker.
    void EnableOtherButton(const QString& text);

    void SetColor(COLORREF cr);
    COLORREF GetColor() const { return m_crColour; }

    // The colour of a palette entry, 0 to 19, in the system palette's order.
    static COLORREF StandardColour(int nIndex);
    // Where palette entry nIndex and the extra entry are drawn, in the bar's coordinates.
    QRect CellRect(int nIndex) const;
    QRect OtherRect() const;
    // The palette entry showing the current colour; -1 when it is none of them.
    int GetSelectedIndex() const;

    // Replaces the picker the extra entry opens (Qt's colour dialog until then) and returns
    // the previous one.
    static CColourPicker SetColourPicker(CColourPicker picker);

signals:
    void colourSelected();

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;

private:
    int Rows() const;
    int RowHeight() const;
    void Choose(COLORREF cr);
    void OnOther();

    int m_nColumns;
    int m_nHorzMargin = 2;
    int m_nVertMargin = 2;
    QString m_strOther;
    COLORREF m_crColour = 0;
};

// COLORREF (0x00BBGGRR) and Qt colours.
QColor ColourFromColorRef(COLORREF cr);
COLORREF ColorRefFromColour(const QColor& colour);
