#include "album/AlbumFile.h"
#include "album/DataDirectory.h"
#include "album/PictureFileName.h"
#include "album/Settings.h"

#include "album/AlbumBytes.h"
#include "faults/ChildProcess.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QDir>
#include <QSettings>

#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>

// What is written reads back as it was: fields without their NUL, code page names, any gray.
TEST(AlbumFile, SavingWritesTheHeaderAndTheRecordsInTheGivenOrderAndReadingGivesThemBack)
{
    TempDir dir;
    const QString path = AlbumFilePath(dir.path());
    EXPECT_EQ(path, dir.file("Photos.dat"));
    const PhotoRecord a = MakeRecord("Alps", "/pics/alps.jpg", Gray4);
    PhotoRecord b = MakeRecord("€ Œ‰™ café", "/é.png", Gray16), full{};
    b.name[15] = b.path[100] = 'Z'; // stale bytes after the NUL must not reach the file
    std::memset(full.name, 'N', sizeof full.name);
    std::memset(full.path, 'P', sizeof full.path);
    full.grayLevel = 0x11223344;
    const struct { const char *why; std::vector<PhotoRecord> records; QByteArray bytes; } rows[] = {
        {"an empty album is the header alone", {}, QByteArray("\x0C\0\0\0\x01\0\0\0\x01\0\0\0", 12)},
        {"in the given order", {b, a}, HeaderBytes() + RecordBytes("\x80 \x8C\x89\x99 caf\xE9", "/\xC3\xA9.png", 2)
                                           + RecordBytes("Alps", "/pics/alps.jpg", 1)},
        {"fewer records shorten the file", {a}, HeaderBytes() + RecordBytes("Alps", "/pics/alps.jpg", 1)},
        {"no NUL before the gray", {full}, HeaderBytes() + RecordBytes(QByteArray(20, 'N'), QByteArray(256, 'P'), 0x11223344)},
    };
    const auto fields = [](const std::vector<PhotoRecord> &records) {
        QStringList shown;
        for (const PhotoRecord &record : records)
            shown << RecordName(record) + '|' + RecordPathString(record) + '|' + QString::number(record.grayLevel);
        return shown;
    };
    for (const auto &row : rows) {
        ASSERT_TRUE(WriteAlbumFile(path, row.records)) << row.why;
        EXPECT_EQ(ReadBytes(path), row.bytes) << row.why;
        EXPECT_EQ(EntryNames(dir.path()), QStringList({"Photos.dat"})) << row.why;
        EXPECT_EQ(fields(ReadAlbumFile(path).records), fields(row.records)) << row.why;
    }
    EXPECT_EQ(fields({full}), QStringList({QString(20, 'N') + '|' + QString(256, 'P') + "|287454020"}));
}

// Whole records after the header up to the table; a file a save would not give back as it was is
// marked to keep. No file is an empty album; one there that cannot be read gives the reason.
TEST(AlbumFile, ReadingTakesWholeRecordsUpToTheTableAndMarksWhatASaveWouldLose)
{
    TempDir dir;
    const QString path = dir.file("Photos.dat");
    EXPECT_TRUE(!ReadAlbumFile(path).opened && ReadAlbumFile(path).error.isEmpty()) << "no file";
    // A folder, a loop of links, a device that never ends, a pipe that nobody writes.
    ASSERT_TRUE(QFile::link("Photos.dat", path) && QFile::link("/dev/zero", dir.file("zero")) && mkfifo(QFile::encodeName(dir.file("pipe")), 0600) == 0);
    EXPECT_EQ(QStringList({ReadAlbumFile(dir.path()).error, ReadAlbumFile(path).error, ReadAlbumFile(dir.file("zero")).error, ReadAlbumFile(dir.file("pipe")).error}),
              QStringList({"Is a directory", "Too many levels of symbolic links", "it is not a regular file", "it is not a regular file"}));
    ASSERT_TRUE(QFile::remove(path) && QFile::remove(dir.file("zero")) && QFile::remove(dir.file("pipe")));

    const auto records = [](int count) {
        QByteArray bytes = HeaderBytes();
        for (int i = 0; i < count; ++i)
            bytes += RecordBytes(QByteArray::number(i), "/p", 1);
        return bytes;
    };
    const struct { const char *why; QByteArray bytes; int loaded, notLoaded; bool keep; } rows[] = {
        {"empty", {}, 0, 0, false}, {"shorter than the header", records(1).left(11), 0, 0, true},
        {"the header alone", records(0), 0, 0, false}, {"a partial record", records(1).left(12 + 279), 0, 0, true},
        {"three and 100 bytes", records(3) + QByteArray(100, 'x'), 3, 0, true}, {"exactly 100", records(100), 100, 0, false},
        {"101 and a partial one", records(101) + QByteArray(279, 'x'), 100, 1, true}, {"150", records(150), 100, 50, true},
    };
    for (const auto &row : rows) {
        WriteBytes(path, row.bytes);
        const AlbumReadResult read = ReadAlbumFile(path);
        EXPECT_TRUE(read.opened && read.error.isEmpty()) << row.why;
        ASSERT_EQ(read.records.size(), std::size_t(row.loaded)) << row.why;
        EXPECT_TRUE(row.loaded == 0 || RecordName(read.records.back()) == QString::number(row.loaded - 1)) << row.why;
        EXPECT_EQ(read.notLoaded, row.notLoaded) << row.why;
        EXPECT_EQ(read.keepBeforeSave, row.keep) << row.why;
    }
    // The tests run as root: a user the file is not open to gets the system's reason.
    EXPECT_EQ(RunInChild([&] { return setgid(65534) || setuid(65534) || ReadAlbumFile(path).error != "Permission denied"; }), 0);
}

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

TEST(DataDirectory, AStoredPathIsUsedMadeAbsoluteWhileSomethingExistsThereElseTheDefaultIsStored)
{
    TempDir temp;
    WriteBytes(temp.file("file"), "not a folder");
    QDir().mkpath(temp.file("album"));
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", temp.path().toLocal8Bit()); // relative and "~" paths start in the home folder
    const QString fallback = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + "/Quillmere/Vellumo";
    const std::pair<QString, QString> rows[] = {
        {QString(), fallback}, {temp.path() + '/', temp.path() + '/'}, // first run; as stored, separator and all
        {temp.file("file"), temp.file("file")}, {temp.file("file/"), temp.file("file/")}, // an ordinary file passes too, one trailing separator is ignored
        {temp.file("file//"), fallback}, {temp.file("gone/"), fallback}, {"/", "/"}, {"~/album", temp.file("album")},
        {"album/", temp.file("album/")}, {"~", temp.path()}, {"~/gone", fallback},
    };
    for (const auto &[stored, expected] : rows) {
        QSettings().clear();
        Settings settings;
        settings.setDataDir(stored);
        EXPECT_EQ(ResolveDataDirectory(settings), expected) << stored.toStdString();
        // Only a replacement is written back; a path that was found stays as the user wrote it.
        EXPECT_EQ(QSettings().value("Directories/DataDir").toString(), expected == fallback ? fallback : stored)
            << stored.toStdString();
    }
    qputenv("HOME", home);
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

TEST(PictureFileName, TheFirstNumberThatNamesNothingIsTakenAsTheFolderIsGiven)
{
    TempDir dir;
    const std::pair<QStringList, QString> rows[] = { // taken, then free
        {{}, "p0.bmp"}, {{"p0.bmp", "p2.bmp"}, "p1.bmp"}, {{"p1.bmp"}, "p3.bmp"}, {{"p3.bmp/"}, "p4.bmp"}, // a folder too
    };
    for (const auto &[taken, free] : rows) {
        for (const QString &name : taken)
            name.endsWith('/') ? void(QDir(dir.path()).mkdir(name.chopped(1))) : WriteBytes(dir.file(name), {});
        EXPECT_EQ(FindFreePictureFile(dir.path()), dir.file(free)) << taken.join(' ').toStdString();
    }
    EXPECT_EQ(FindFreePictureFile(dir.path() + '/'), dir.path() + "//p4.bmp");
    for (int i = 4; i < kPictureNumbers; ++i)
        WriteBytes(PictureFilePath(dir.path(), i), {});
    EXPECT_EQ(FindFreePictureFile(dir.path()), std::nullopt) << "all 10000 taken";
}
