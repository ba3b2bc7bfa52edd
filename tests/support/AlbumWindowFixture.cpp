#include "support/AlbumWindowFixture.h"

#include "app/Settings.h"
#include "app/SplashDlg.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QTimer>

PhotoRecord MakeRecord(const QString &name, const QString &path, int gray)
{
    PhotoRecord record{};
    EXPECT_TRUE(SetRecordName(record, name));
    EXPECT_TRUE(SetRecordPath(record, path));
    record.grayLevel = gray;
    return record;
}

std::vector<PhotoRecord> NumberedRecords(const TempDir &dir, int count)
{
    std::vector<PhotoRecord> records;
    for (int i = 0; i < count; ++i)
        records.push_back(MakeRecord(QStringLiteral("Photo %1").arg(i),
                                     dir.file(QStringLiteral("p%1.bmp").arg(i)), 1 + i % 2));
    return records;
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList NamesInFile(const QString &dataDir)
{
    QStringList names;
    for (const PhotoRecord &record : ReadAlbumFile(AlbumFilePath(dataDir)).records)
        names << RecordName(record);
    return names;
}

void AlbumWindowTest::SetUp()
{
    QSettings(QStringLiteral("Quillmere"), QStringLiteral("Vellumo")).clear();
    Settings settings;
    settings.setDataDir(m_data.path());
    settings.sync();
}

void AlbumWindowTest::writeAlbum(const std::vector<PhotoRecord> &records)
{
    ASSERT_TRUE(WriteAlbumFile(AlbumFilePath(m_data.path()), records));
}

void AlbumWindowTest::open(CAlbumDlg &dlg)
{
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto *splash = qobject_cast<CSplashDlg *>(QApplication::activeModalWidget()))
            splash->done(0);
    });
    closer.start(5);
    dlg.show();
    closer.stop();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QApplication::processEvents();
}
