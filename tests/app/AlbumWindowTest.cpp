#include "album/AlbumDlg.h"
#include "album/AlbumFile.h"
#include "album/PreviewPanel.h"
#include "app/Settings.h"
#include "app/SplashDlg.h"
#include "support/MessageBoxRecorder.h"
#include "support/QtPrinters.h"
#include "support/TextFit.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

PhotoRecord makeRecord(const QString &name, const QString &path, int gray)
{
    PhotoRecord record{};
    EXPECT_TRUE(SetRecordName(record, name));
    EXPECT_TRUE(SetRecordPath(record, path));
    record.grayLevel = gray;
    return record;
}

std::vector<PhotoRecord> numberedRecords(const TempDir &dir, int count)
{
    std::vector<PhotoRecord> records;
    for (int i = 0; i < count; ++i)
        records.push_back(makeRecord(QStringLiteral("Photo %1").arg(i),
                                     dir.file(QStringLiteral("p%1.bmp").arg(i)), 1 + i % 2));
    return records;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList namesInFile(const QString &dataDir)
{
    QStringList names;
    for (const PhotoRecord &record : ReadAlbumFile(AlbumFilePath(dataDir)).records)
        names << RecordName(record);
    return names;
}

// Shows the album window the way the program does, ending the splash at once.
class AlbumWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Quillmere"), QStringLiteral("Vellumo")).clear();
        Settings settings;
        settings.setDataDir(m_data.path());
        settings.sync();
    }

    void writeAlbum(const std::vector<PhotoRecord> &records)
    {
        ASSERT_TRUE(WriteAlbumFile(AlbumFilePath(m_data.path()), records));
    }

    void open(CAlbumDlg &dlg)
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

    static QListWidget *list(CAlbumDlg &dlg) { return dlg.findChild<QListWidget *>("1005"); }
    static QPushButton *button(CAlbumDlg &dlg, int id)
    {
        return dlg.findChild<QPushButton *>(QString::number(id));
    }
    static QAction *menuItem(CAlbumDlg &dlg, int id)
    {
        return dlg.findChild<QAction *>(QString::number(id));
    }

    TempDir m_data;
};

} // namespace

TEST_F(AlbumWindowTest, ListsTheAlbumWithTheFirstPhotoSelected)
{
    writeAlbum(numberedRecords(m_data, 3));
    CAlbumDlg dlg;
    open(dlg);
    EXPECT_EQ(dlg.windowTitle(), "Vellumo 1.1 Album Creator");
    EXPECT_EQ(dlg.dataDir(), m_data.path());
    QListWidget *items = list(dlg);
    ASSERT_EQ(items->count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(items->item(i)->text(), QStringLiteral("Photo %1").arg(i));
        EXPECT_EQ(items->item(i)->data(Qt::UserRole).toInt(), i);
    }
    EXPECT_TRUE(items->item(0)->isSelected());
    EXPECT_TRUE(button(dlg, AlbumId::RemovePhoto)->isEnabled());
    EXPECT_TRUE(button(dlg, AlbumId::RenamePhoto)->isEnabled());
    EXPECT_FALSE(button(dlg, AlbumId::MoveUp)->isEnabled());
    EXPECT_TRUE(button(dlg, AlbumId::MoveDown)->isEnabled());
}

TEST_F(AlbumWindowTest, ExitWritesTheAlbumInListOrder)
{
    writeAlbum(numberedRecords(m_data, 3));
    CAlbumDlg dlg;
    open(dlg);
    QListWidget *items = list(dlg);
    items->insertItem(0, items->takeItem(2));
    QTest::mouseClick(button(dlg, AlbumId::Exit), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(namesInFile(m_data.path()), QStringList({"Photo 2", "Photo 0", "Photo 1"}));
}

TEST_F(AlbumWindowTest, CloseBoxSavesButEscapeDoesNot)
{
    writeAlbum(numberedRecords(m_data, 2));
    const QByteArray before = fileBytes(AlbumFilePath(m_data.path()));
    {
        CAlbumDlg dlg;
        open(dlg);
        delete list(dlg)->takeItem(0);
        QTest::keyClick(&dlg, Qt::Key_Escape);
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_EQ(fileBytes(AlbumFilePath(m_data.path())), before);
    }
    CAlbumDlg dlg;
    open(dlg);
    delete list(dlg)->takeItem(0);
    dlg.close();
    EXPECT_EQ(namesInFile(m_data.path()), QStringList({"Photo 1"}));
}

TEST_F(AlbumWindowTest, FailedSaveShowsTheErrorMessage)
{
    writeAlbum(numberedRecords(m_data, 2));
    const QString album = AlbumFilePath(m_data.path());
    MessageBoxRecorder messages;
    CAlbumDlg dlg;
    open(dlg);
    // A directory holding the album file's name makes the final rename fail.
    ASSERT_TRUE(QFile::remove(album));
    ASSERT_TRUE(QDir().mkdir(album));
    EXPECT_FALSE(dlg.SaveAlbum());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Error saving photo album.  Check to see if the disk is full.");
    EXPECT_EQ(messages.shown()[0].caption, "Error");
    EXPECT_EQ(messages.shown()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::None);
    ASSERT_TRUE(QDir().rmdir(album));
}

TEST_F(AlbumWindowTest, OversizedAlbumLoadsTheFirstHundredAndKeepsTheFile)
{
    writeAlbum(numberedRecords(m_data, 103));
    const QString album = AlbumFilePath(m_data.path());
    const QByteArray original = fileBytes(album);
    MessageBoxRecorder messages;
    CAlbumDlg dlg;
    open(dlg);
    EXPECT_EQ(list(dlg)->count(), 100);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.shown()[0].text.contains("3 of them were not loaded"));
    EXPECT_FALSE(button(dlg, AlbumId::AddPhoto)->isEnabled());
    EXPECT_FALSE(menuItem(dlg, AlbumId::MenuAddFromFile)->isEnabled());

    ASSERT_TRUE(dlg.SaveAlbum());
    EXPECT_EQ(fileBytes(album + ".bak"), original);
    EXPECT_EQ(fileBytes(album).size(), 12 + 280 * 100);
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(AlbumWindowTest, EmptyAlbumShowsTheNoticeAndDisablesCommandsAfterFirstPaint)
{
    CAlbumDlg dlg;
    open(dlg);
    auto *panel = dlg.findChild<PreviewPanel *>("1006");
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isShowingNotice());
    for (int id : {AlbumId::RemovePhoto, AlbumId::RenamePhoto, AlbumId::MoveUp, AlbumId::MoveDown})
        EXPECT_FALSE(button(dlg, id)->isEnabled()) << id;
    EXPECT_FALSE(menuItem(dlg, AlbumId::MenuRemove)->isEnabled());
    EXPECT_FALSE(menuItem(dlg, AlbumId::MenuRename)->isEnabled());
    EXPECT_TRUE(menuItem(dlg, AlbumId::MenuAddFromFile)->isEnabled());
    EXPECT_TRUE(button(dlg, AlbumId::AddPhoto)->isEnabled());
}

TEST_F(AlbumWindowTest, NoTextIsClippedAtTheTemplateSize)
{
    CAlbumDlg dlg;
    EXPECT_EQ(ClippedTexts(&dlg), QStringList());
}
