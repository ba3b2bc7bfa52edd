#include "widgets/DialogUnits.h"

#include <QFontDatabase>
#include <QWidget>

#include <algorithm>

QFont DialogFont()
{
    // Liberation Sans has the proportions the dialog layouts were drawn for; the
    // system's sans-serif font stands in where it is not installed.
    const QString preferred = QStringLiteral("Liberation Sans");
    QFont font = QFontDatabase::hasFamily(preferred)
                     ? QFont(preferred)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    return font;
}

void WidenToFitText(QWidget *control)
{
    control->resize(std::max(control->width(), control->sizeHint().width()), control->height());
}
