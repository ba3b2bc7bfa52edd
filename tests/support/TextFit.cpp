#include "support/TextFit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStyle>
#include <QPushButton>

namespace {

QString withoutMnemonics(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove('&').replace('\x01', '&');
}

QString describe(const QString &text, const QSize &needed, const QSize &has)
{
    return QStringLiteral("%1 (needs %2x%3, has %4x%5)")
        .arg(text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(has.width())
        .arg(has.height());
}

QSize neededForLabel(const QLabel *label)
{
    const QFontMetrics metrics = label->fontMetrics();
    const int width = label->contentsRect().width();
    const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    return metrics.boundingRect(QRect(0, 0, width, 10000), flags, label->text()).size();
}

} // namespace

QStringList ClippedTexts(const QWidget *root)
{
    QStringList clipped;
    for (const QLabel *label : root->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        const QSize needed = neededForLabel(label);
        const QSize has = label->contentsRect().size();
        if (needed.width() > has.width() || needed.height() > has.height())
            clipped << describe(label->text(), needed, has);
    }
    for (const QAbstractButton *button : root->findChildren<QAbstractButton *>()) {
        if (button->text().isEmpty())
            continue;
        const QSize has = button->size();
        QSize needed;
        if (qobject_cast<const QPushButton *>(button)) {
            // Push buttons' size hints carry a style minimum width; only the text and margins count.
            const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text())
                     + QSize(margin, 0);
        } else {
            // Radio buttons and check boxes: indicator, spacing and text across, as the style
            // lays them out; one line of text down (the hint adds room for a focus frame).
            needed = QSize(button->sizeHint().width(), button->fontMetrics().height());
        }
        if (needed.width() > has.width() || needed.height() > has.height())
            clipped << describe(withoutMnemonics(button->text()), needed, has);
    }
    return clipped;
}
