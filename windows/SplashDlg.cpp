#include "windows/SplashDlg.h"

#include "widgets/DialogUnits.h"
#include "res/Resources.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimerEvent>

CSplashDlg::CSplashDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QString::number(ResourceId::SplashDialog));
    setFont(DialogFont());
    setModal(true);
    setFixedSize(DialogRect(0, 0, 399, 249).size());

    auto *picture = new QLabel(this);
    picture->setGeometry(DialogRect(6, 5, 386, 238));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(QPixmap(QString::fromLatin1(kSplashBitmapPath)));

    // A coarse timer may fire up to 5% early; the splash promises its three seconds.
    m_timer = startTimer(kDisplayMilliseconds, Qt::PreciseTimer);
}

void CSplashDlg::timerEvent(QTimerEvent *event)
{
    Q_UNUSED(event);
    if (m_timer != 0) {
        killTimer(m_timer);
        m_timer = 0;
    }
    done(0);
}

void CSplashDlg::keyPressEvent(QKeyEvent *event)
{
    // Enter ends it like Escape does; the dialog has no default button to take it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        done(0);
        return;
    }
    QDialog::keyPressEvent(event);
}
