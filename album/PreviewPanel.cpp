#include "album/PreviewPanel.h"

#include <QPainter>

const QString PreviewPanel::kNoticeText = QStringLiteral("Click 'Add Photo'");
const QString PreviewPanel::kMissingText = QStringLiteral("Picture file not found");

PreviewPanel::PreviewPanel(QWidget *parent)
    : QLabel(parent)
{
}

void PreviewPanel::drawNotice()
{
    // Kept until a picture comes: Qt repaints the panel with its window far more often
    // than a one-off drawing would survive.
    m_notice = true;
    update();
}

void PreviewPanel::showPicture(const QPixmap &picture)
{
    m_notice = false;
    setPixmap(picture);
    update();
}

void PreviewPanel::showMissingPicture()
{
    QPixmap black(contentsRect().size());
    black.fill(Qt::black);
    QPainter painter(&black);
    painter.setPen(Qt::white);
    painter.setFont(font());
    painter.drawText(black.rect(), Qt::AlignCenter | Qt::TextWordWrap, kMissingText);
    painter.end();
    showPicture(black);
}

void PreviewPanel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_notice)
        return;
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setPen(Qt::black);
    painter.setBrush(QColor(0, 128, 0));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, kNoticeText);
}
