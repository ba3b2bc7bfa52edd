#include "windows/PreviewPanel.h"

#include <QPainter>

const QString PreviewPanel::kNoticeText = QStringLiteral("Click 'Add Photo'");
const QString PreviewPanel::kMissingText = QStringLiteral("Picture file not found");
const QString PreviewPanel::kCaptureInstruction = QStringLiteral(
    "Hold down the left mouse button and drag the mouse to select an area of the screen to copy.");

PreviewPanel::PreviewPanel(QWidget *parent)
    : QLabel(parent)
{
}

void PreviewPanel::drawNotice()
{
    setNotice(Notice::AddPhoto);
}

void PreviewPanel::drawCaptureInstruction()
{
    setNotice(Notice::CaptureInstruction);
    // On screen now: the screen is grabbed next, with the instruction in it.
    repaint();
}

void PreviewPanel::setNotice(Notice notice)
{
    // Kept until a picture comes: Qt repaints the panel with its window far more often
    // than a one-off drawing would survive.
    m_notice = notice;
    update();
}

void PreviewPanel::showPicture(const QPixmap &picture)
{
    m_notice = Notice::None;
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
    if (m_notice == Notice::None)
        return;
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setPen(Qt::black);
    painter.setBrush(QColor(0, 128, 0));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    if (m_notice == Notice::AddPhoto) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, kNoticeText);
        return;
    }
    QRect text(area.left() + 10, area.top(), area.width() - 20, 10);
    const int height =
        painter.boundingRect(text, Qt::AlignHCenter | Qt::TextWordWrap, kCaptureInstruction).height();
    text.setTop(area.top() + (area.height() - height) / 2);
    text.setHeight(height);
    painter.drawText(text, Qt::AlignHCenter | Qt::TextWordWrap, kCaptureInstruction);
}
