#include "app/AboutDlg.h"
#include "app/SplashDlg.h"
#include "support/QtPrinters.h"
#include "support/TextFit.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(SplashTest, ClosesByItselfAfterAboutThreeSeconds)
{
    CSplashDlg splash;
    QElapsedTimer clock;
    clock.start();
    const int result = splash.exec();
    const qint64 elapsed = clock.elapsed();
    EXPECT_EQ(result, 0);
    EXPECT_GE(elapsed, CSplashDlg::kDisplayMilliseconds - 50);
    EXPECT_FALSE(splash.isVisible());
}

TEST(SplashTest, EscapeOrEnterEndsItAtOnce)
{
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        CSplashDlg splash;
        QTimer::singleShot(0, &splash, [&splash, key] { QTest::keyClick(&splash, key); });
        QElapsedTimer clock;
        clock.start();
        splash.exec();
        EXPECT_LT(clock.elapsed(), CSplashDlg::kDisplayMilliseconds) << "key " << key;
        EXPECT_FALSE(splash.isVisible());
    }
}

TEST(SplashTest, ShowsTheSplashPictureWithoutCaption)
{
    CSplashDlg splash;
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    const auto labels = splash.findChildren<QLabel *>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front()->pixmap().size(), QSize(600, 396));
}

TEST(AboutTest, NamesTheVersionAndClosesWithOk)
{
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About Vellumo 1.1");
    QStringList texts;
    for (const QLabel *label : about.findChildren<QLabel *>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("Vellumo Version 1.1"));

    auto *ok = about.findChild<QPushButton *>("1");
    ASSERT_NE(ok, nullptr);
    QTimer::singleShot(0, ok, [ok] { ok->click(); });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
}

TEST(ShellLayoutTest, NoTextIsClippedInTheSplashOrTheAboutBox)
{
    CSplashDlg splash;
    EXPECT_EQ(ClippedTexts(&splash), QStringList());
    CAboutDlg about;
    EXPECT_EQ(ClippedTexts(&about), QStringList());
}
