#include "album/AlbumDlg.h"
#include "app/AboutDlg.h"
#include "app/SplashDlg.h"
#include "support/QtPrinters.h"
#include "support/TextFit.h"

#include <QAbstractEventDispatcher>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(Splash, ShowsItsPictureWithoutCaptionAndEndsItselfAfterThreeSeconds)
{
    CSplashDlg splash;
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    const auto labels = splash.findChildren<QLabel *>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front()->pixmap().size(), QSize(600, 396));
    const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(&splash);
    ASSERT_EQ(timers.size(), 1);
    EXPECT_EQ(timers.front().interval, 3000);
    // Left alone it ends with 0; the guard only stops a splash that would never end.
    QTimer::singleShot(20000, &splash, [&splash] { splash.done(7); });
    EXPECT_EQ(splash.exec(), 0);
}

TEST(Splash, EscapeOrEnterEndsItAtOnce)
{
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        CSplashDlg splash;
        splash.show();
        QTest::keyClick(&splash, key);
        EXPECT_FALSE(splash.isVisible()) << "key " << key;
        EXPECT_EQ(splash.result(), 0) << "key " << key;
    }
}

TEST(About, NamesTheVersionAndClosesWithOk)
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

TEST(WindowLayout, NoTextIsClippedAtTheTemplateSize)
{
    const CSplashDlg splash;
    const CAboutDlg about;
    const CAlbumDlg album;
    for (const QWidget *window : {static_cast<const QWidget *>(&splash), static_cast<const QWidget *>(&about),
                                  static_cast<const QWidget *>(&album)})
        EXPECT_EQ(ClippedTexts(window), QStringList()) << window->metaObject()->className();
}
