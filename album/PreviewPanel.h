#pragma once

#include <QLabel>

// The album window's picture panel (control 1006). With no photo selected it shows a
// green notice instead of a picture, until a picture is set again.
class PreviewPanel : public QLabel {
    Q_OBJECT
public:
    static const QString kNoticeText;
    static const QString kMissingText;

    explicit PreviewPanel(QWidget *parent = nullptr);

    void drawNotice();
    void showPicture(const QPixmap &picture);
    // Black, with a short note that the photo's picture file could not be read.
    void showMissingPicture();
    bool isShowingNotice() const { return m_notice; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_notice = false;
};
