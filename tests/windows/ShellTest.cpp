// What surrounds the album window: the splash and About boxes, and text that fits.
#include "windows/AlbumDlg.h"
#include "windows/AboutDlg.h"
#include "windows/SplashDlg.h"
#include "support/QtPrinters.h"
#include "support/TextFit.h"

#include <QAbstractEventDispatcher>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(Splash, ShowsItsPictureForThreeSecondsOrUntilEscapeOrEnter)
{
    CSplashDlg splash;
    EXPECT_EQ(splash.findChild<QLabel *>()->pixmap().size(), QSize(600, 396));
    const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(&splash);
    ASSERT_EQ(timers.size(), 1);
    EXPECT_EQ(timers.front().interval, 3000);
    QTimer::singleShot(20000, &splash, [&splash] { splash.done(7); });   // only a splash that never ends
    EXPECT_EQ(splash.exec(), 0);
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        CSplashDlg keyed;
        keyed.show();
        QTest::keyClick(&keyed, key);
        EXPECT_FALSE(keyed.isVisible()) << "key " << key;
        EXPECT_EQ(keyed.result(), 0) << "key " << key;
    }
}

TEST(WindowLayout, NoTextIsClippedAtTheTemplateSize)
{
    const CSplashDlg splash;
    const CAboutDlg about;
    const CAlbumDlg album;
    for (const QWidget *window : std::initializer_list<const QWidget *>{&splash, &about, &album})
        EXPECT_EQ(ClippedTexts(window), QStringList()) << window->metaObject()->className();
}
