#include "album/AlbumBytes.h"
#include "app/Settings.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(SettingsFault, AFolderThatBecameAFileMakesSyncFail)
{
    const QString folder = QFileInfo(QSettings().fileName()).absolutePath();
    Settings settings;
    settings.setGrayLevel(2);
    ASSERT_TRUE(settings.sync()); // the folder exists and takes the file
    ASSERT_TRUE(QDir().rename(folder, folder + ".aside"));
    WriteBytes(folder, "not a folder");
    settings.setGrayLevel(3);
    EXPECT_FALSE(settings.sync());
    EXPECT_EQ(ReadBytes(folder), "not a folder");
    ASSERT_TRUE(QFile::remove(folder) && QDir().rename(folder + ".aside", folder));
}
