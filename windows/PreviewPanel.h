#pragma once

#include <QLabel>

// The album window's picture panel (control 1006). Instead of a picture it can show a
// green notice: "Click 'Add Photo'" with no photo selected, or the capture instruction.
// A notice stays until a picture is set again.
class PreviewPanel : public QLabel {
    Q_OBJECT
public:
    static const QString kNoticeText;
    static const QString kMissingText;
    static const QString kCaptureInstruction;

    explicit PreviewPanel(QWidget *parent = nullptr);

    void drawNotice();
    // The instruction wrapped between margins of 10 pixels and centred as a block.
    void drawCaptureInstruction();
    void showPicture(const QPixmap &picture);
    // Black, with a short note that the photo's picture file could not be read.
    void showMissingPicture();
    bool isShowingNotice() const { return m_notice != Notice::None; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    enum class Notice { None, AddPhoto, CaptureInstruction };

    void setNotice(Notice notice);

    Notice m_notice = Notice::None;
};
