#include "app/DataDirectory.h"
#include "app/Settings.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

class DataDirectoryTest : public testing::Test {
protected:
    void SetUp() override { QSettings(QStringLiteral("Quillmere"), QStringLiteral("Vellumo")).clear(); }
};

QString storedDataDir()
{
    QSettings store(QStringLiteral("Quillmere"), QStringLiteral("Vellumo"));
    return store.value(QStringLiteral("Directories/DataDir")).toString();
}

} // namespace

TEST_F(DataDirectoryTest, FirstRunUsesAndStoresTheUserDataFolder)
{
    Settings settings;
    const QString dir = ResolveDataDirectory(settings);
    EXPECT_TRUE(QDir(dir).exists());
    EXPECT_FALSE(dir.endsWith('/'));
    EXPECT_TRUE(dir.startsWith(QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")))) << dir.toStdString();
    EXPECT_EQ(storedDataDir(), dir);
}

TEST_F(DataDirectoryTest, StoredPathIsUsedExactlyAsStoredWhenSomethingExistsThere)
{
    TempDir temp;
    const QString withSeparator = temp.path() + '/';
    QFile plainFile(temp.file(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();

    for (const QString &stored : {withSeparator, plainFile.fileName()}) {
        Settings settings;
        settings.setDataDir(stored);
        EXPECT_EQ(ResolveDataDirectory(settings), stored);
        EXPECT_EQ(storedDataDir(), stored);
    }
}

TEST_F(DataDirectoryTest, VanishedDirectoryIsReplacedAndRewritten)
{
    QString gone;
    {
        TempDir temp;
        gone = temp.path();
    }
    Settings settings;
    settings.setDataDir(gone);
    const QString dir = ResolveDataDirectory(settings);
    EXPECT_NE(dir, gone);
    EXPECT_EQ(dir, DefaultDataDirectory());
    EXPECT_EQ(storedDataDir(), dir);
}

TEST(PathExistsTest, IgnoresOneTrailingSeparatorOnly)
{
    TempDir temp;
    EXPECT_TRUE(PathExists(temp.path()));
    EXPECT_TRUE(PathExists(temp.path() + '/'));
    EXPECT_FALSE(PathExists(temp.path() + "/missing"));
    EXPECT_FALSE(PathExists(temp.path() + "/missing/"));
    EXPECT_FALSE(PathExists(QString()));
    EXPECT_TRUE(PathExists(QStringLiteral("/")));
}

TEST(DataDirectoryLimitTest, PicturePathsMustFitTheRecordField)
{
    // "/p9999.bmp" is 10 bytes; the record holds 255 bytes of path.
    EXPECT_TRUE(DataDirectoryFitsRecords(QString(245, 'd')));
    EXPECT_FALSE(DataDirectoryFitsRecords(QString(246, 'd')));
    // Counted in the file system's bytes, not in characters.
    EXPECT_FALSE(DataDirectoryFitsRecords(QString(123, QChar(0x00E9))));
}
