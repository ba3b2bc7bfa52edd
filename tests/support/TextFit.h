#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

// Texts of labels, buttons and radio buttons under root that do not fit their control at its
// fixed size, each as "text (needs WxH, has WxH)".
inline QStringList ClippedTexts(const QWidget *root)
{
    QStringList clipped;
    const auto check = [&clipped](QString text, const QSize &needed, const QSize &has) {
        if (needed.width() <= has.width() && needed.height() <= has.height())
            return;
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove('&').replace('\x01', '&');
        clipped << QStringLiteral("%1 (needs %2x%3, has %4x%5)")
                       .arg(text).arg(needed.width()).arg(needed.height()).arg(has.width()).arg(has.height());
    };
    for (const QLabel *label : root->findChildren<QLabel *>()) {
        const QRect room(0, 0, label->contentsRect().width(), 10000);
        const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        if (!label->text().isEmpty())
            check(label->text(), label->fontMetrics().boundingRect(room, flags, label->text()).size(),
                  label->contentsRect().size());
    }
    for (const QAbstractButton *button : root->findChildren<QAbstractButton *>()) {
        // Push buttons: text and margins (the hint has a style minimum). Others: the hint across,
        // one line of text down (the hint adds room for a focus frame).
        const QSize needed = qobject_cast<const QPushButton *>(button)
            ? button->fontMetrics().size(Qt::TextShowMnemonic, button->text())
                  + QSize(button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button), 0)
            : QSize(button->sizeHint().width(), button->fontMetrics().height());
        if (!button->text().isEmpty())
            check(button->text(), needed, button->size());
    }
    return clipped;
}
