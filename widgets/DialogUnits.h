#pragma once

#include <QFont>
#include <QRect>

class QWidget;

// Dialog layouts are given in dialog units of the 8-point dialog font at 96 dpi:
// one unit is 6/4 pixel across and 13/8 pixel down, rounded like MulDiv.
constexpr int DialogUnitsToPixelsX(int units) { return (units * 6 + 2) / 4; }
constexpr int DialogUnitsToPixelsY(int units) { return (units * 13 + 4) / 8; }

inline QRect DialogRect(int x, int y, int width, int height)
{
    const int left = DialogUnitsToPixelsX(x);
    const int top = DialogUnitsToPixelsY(y);
    return QRect(left, top, DialogUnitsToPixelsX(x + width) - left,
                 DialogUnitsToPixelsY(y + height) - top);
}

// The sans-serif font at 8 points that every dialog is laid out for.
QFont DialogFont();

// Widens a control whose text the style draws wider than its template place (a radio
// button's indicator takes more room than it once did), keeping its position.
void WidenToFitText(QWidget *control);
