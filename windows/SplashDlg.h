#pragma once

#include <QDialog>

// The start-up picture: closes itself after three seconds, or at once on Escape or Enter.
class CSplashDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDisplayMilliseconds = 3000;

    explicit CSplashDlg(QWidget *parent = nullptr);

protected:
    void timerEvent(QTimerEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_timer = 0;
};
