#include "app/DataDirectory.h"
#include "app/Settings.h"
#include "album/AlbumBytes.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QDir>
#include <QSettings>

#include <gtest/gtest.h>

TEST(Settings, EachValueLivesUnderItsSectionAndNameWithItsDefault)
{
    QSettings().clear();
    Settings settings;
    EXPECT_EQ(settings.dataDir(), QString());
    EXPECT_EQ(settings.lastImportDir(), QString());
    EXPECT_EQ(settings.scanner(), QString());
    EXPECT_EQ(settings.grayLevel(), 1);
    EXPECT_EQ(settings.contrast(), 0);
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
        {QString(), fallback},                                   // first run
        {temp.path() + '/', temp.path() + '/'},                  // as stored, separator and all
        {temp.file("file"), temp.file("file")},                  // an ordinary file passes too
        {temp.file("gone"), fallback},
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

TEST(DataDirectory, PathExistsIgnoresOneTrailingSeparator)
{
    TempDir temp;
    WriteBytes(temp.file("file"), "");
    const std::pair<QString, bool> rows[] = {
        {temp.path(), true}, {temp.path() + '/', true}, {temp.file("file"), true},
        {temp.file("file/"), true}, {temp.file("file//"), false}, {temp.file("missing"), false},
        {temp.file("missing/"), false}, {"/", true}, {QString(), false}};
    for (const auto &[path, exists] : rows)
        EXPECT_EQ(PathExists(path), exists) << path.toStdString();
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
