#pragma once

#include <QFont>
#include <QRect>

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

// The system's sans-serif font at 8 points, the font every dialog is laid out for.
QFont DialogFont();
