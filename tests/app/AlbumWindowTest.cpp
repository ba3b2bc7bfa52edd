#include "support/AlbumWindowFixture.h"
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


TEST_F(AlbumWindowTest, ListsTheAlbumWithTheFirstPhotoSelected)
{
    writeAlbum(NumberedRecords(m_data, 3));
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
    writeAlbum(NumberedRecords(m_data, 3));
    CAlbumDlg dlg;
    open(dlg);
    QListWidget *items = list(dlg);
    items->insertItem(0, items->takeItem(2));
    QTest::mouseClick(button(dlg, AlbumId::Exit), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"Photo 2", "Photo 0", "Photo 1"}));
}

TEST_F(AlbumWindowTest, CloseBoxSavesButEscapeDoesNot)
{
    writeAlbum(NumberedRecords(m_data, 2));
    const QByteArray before = FileBytes(AlbumFilePath(m_data.path()));
    {
        CAlbumDlg dlg;
        open(dlg);
        delete list(dlg)->takeItem(0);
        QTest::keyClick(&dlg, Qt::Key_Escape);
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_EQ(FileBytes(AlbumFilePath(m_data.path())), before);
    }
    CAlbumDlg dlg;
    open(dlg);
    delete list(dlg)->takeItem(0);
    dlg.close();
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"Photo 1"}));
}

TEST_F(AlbumWindowTest, FailedSaveShowsTheErrorMessage)
{
    writeAlbum(NumberedRecords(m_data, 2));
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
    writeAlbum(NumberedRecords(m_data, 103));
    const QString album = AlbumFilePath(m_data.path());
    const QByteArray original = FileBytes(album);
    MessageBoxRecorder messages;
    CAlbumDlg dlg;
    open(dlg);
    EXPECT_EQ(list(dlg)->count(), 100);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.shown()[0].text.contains("3 of them were not loaded"));
    EXPECT_FALSE(button(dlg, AlbumId::AddPhoto)->isEnabled());
    EXPECT_FALSE(menuItem(dlg, AlbumId::MenuAddFromFile)->isEnabled());

    ASSERT_TRUE(dlg.SaveAlbum());
    EXPECT_EQ(FileBytes(album + ".bak"), original);
    EXPECT_EQ(FileBytes(album).size(), 12 + 280 * 100);
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
