#include "editor/PictureFileName.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(PictureFileNameTest, FirstFreeNumberIsTaken)
{
    TempDir dir;
    EXPECT_EQ(FindFreePictureFile(dir.path()), dir.file("p0.bmp"));
    touch(dir.file("p0.bmp"));
    touch(dir.file("p2.bmp"));
    EXPECT_EQ(FindFreePictureFile(dir.path()), dir.file("p1.bmp"));
    touch(dir.file("p1.bmp"));
    EXPECT_EQ(FindFreePictureFile(dir.path()), dir.file("p3.bmp"));
}

TEST(PictureFileNameTest, AnythingExistingTakesTheNumberAndTheDirectoryIsKeptAsGiven)
{
    TempDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("p0.bmp"));
    EXPECT_EQ(FindFreePictureFile(dir.path()), dir.file("p1.bmp"));
    // A trailing separator gives a doubled one, kept as it is.
    EXPECT_EQ(FindFreePictureFile(dir.path() + '/'), dir.path() + "//p1.bmp");
}

TEST(PictureFileNameTest, NothingWhenAllNumbersAreTaken)
{
    TempDir dir;
    for (int i = 0; i < kPictureNumbers; ++i)
        touch(PictureFilePath(dir.path(), i));
    EXPECT_EQ(FindFreePictureFile(dir.path()), std::nullopt);
    ASSERT_TRUE(QFile::remove(dir.file("p9999.bmp")));
    EXPECT_EQ(FindFreePictureFile(dir.path()), dir.file("p9999.bmp"));
}
