// What surrounds the album window: settings, the data folder, the splash, and text that fits.
#include "album/AlbumDlg.h"
#include "album/AlbumBytes.h"
#include "app/AboutDlg.h"
#include "app/DataDirectory.h"
#include "app/Settings.h"
#include "app/SplashDlg.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "support/TextFit.h"

#include <QAbstractEventDispatcher>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(Settings, EachValueLivesUnderItsSectionAndNameWithItsDefault)
{
    QSettings().clear();
    Settings settings;
    EXPECT_EQ(std::make_tuple(settings.dataDir(), settings.lastImportDir(), settings.scanner(), settings.grayLevel(),
                              settings.contrast()), std::make_tuple(QString(), QString(), QString(), 1, 0));
    settings.setDataDir("/data");
    settings.setLastImportDir("/import");
    settings.setScanner("test:1");
    settings.setGrayLevel(2);
    settings.setContrast(-350);
    ASSERT_TRUE(settings.sync());
    const std::pair<const char *, QString> stored[] = {
        {"Directories/DataDir", "/data"}, {"Directories/Last Import", "/import"},
        {"Parameters/Scanner", "test:1"}, {"Parameters/Gray Level", "2"}, {"Parameters/Contrast", "-350"}};
    for (const auto &[key, value] : stored)
        EXPECT_EQ(QSettings().value(key).toString(), value) << key;
    // Numbers are read as stored, even out of range; what is not a number reads as the default.
    QSettings().setValue("Parameters/Gray Level", "lots");
    QSettings().setValue("Parameters/Contrast", 5000);
    EXPECT_EQ(Settings().grayLevel(), 1);
    EXPECT_EQ(Settings().contrast(), 5000);
}

TEST(DataDirectory, AStoredPathIsKeptWhileSomethingExistsThereElseTheDefaultIsStored)
{
    TempDir temp;
    WriteBytes(temp.file("file"), "not a folder");
    const QString fallback = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + "/Quillmere/Vellumo";
    const std::pair<QString, QString> rows[] = {
        {QString(), fallback}, {temp.path() + '/', temp.path() + '/'}, {"/", "/"}, // a first run; as stored, separator and all
        {temp.file("file"), temp.file("file")}, {temp.file("file/"), temp.file("file/")}, // a file passes too, one trailing separator is ignored
        {temp.file("file//"), fallback}, {temp.file("gone/"), fallback},
    };
    for (const auto &[stored, expected] : rows) {
        QSettings().clear();
        Settings settings;
        settings.setDataDir(stored);
        EXPECT_EQ(ResolveDataDirectory(settings), expected) << stored.toStdString();
        EXPECT_EQ(QSettings().value("Directories/DataDir").toString(), expected) << stored.toStdString();
    }
    EXPECT_TRUE(QDir(fallback).exists());
}

TEST(DataDirectory, PicturePathsMustFitTheRecordsPathField)
{
    // "/p9999.bmp" is 10 bytes; the record holds 255 bytes of path; é takes two.
    const std::pair<QString, bool> rows[] = {
        {QString(245, 'd'), true}, {QString(246, 'd'), false},
        {QString(122, u'é') + 'd', true}, {QString(123, u'é'), false}};
    for (const auto &[dir, fits] : rows)
        EXPECT_EQ(DataDirectoryFitsRecords(dir), fits) << dir.size();
}

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
