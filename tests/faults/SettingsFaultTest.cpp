#include "app/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

TEST(SettingsFault, AFolderThatBecameAFileMakesSyncFail)
{
    const QString folder = QFileInfo(QSettings().fileName()).absolutePath();
    {
        Settings settings;
        settings.setGrayLevel(2);
        ASSERT_TRUE(settings.sync()); // the folder exists and takes the file
    }
    const QString aside = folder + ".aside";
    ASSERT_TRUE(QDir().rename(folder, aside));
    {
        QFile file(folder);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a folder");
    }
    {
        Settings settings;
        settings.setGrayLevel(settings.grayLevel() == 2 ? 3 : 2);
        EXPECT_FALSE(settings.sync());
    }
    QFile file(folder);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "not a folder");
    file.close();
    ASSERT_TRUE(QFile::remove(folder));
    ASSERT_TRUE(QDir().rename(aside, folder));
}
