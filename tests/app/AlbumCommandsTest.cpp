#include "support/AlbumWindowFixture.h"
#include "album/HelpWindow.h"
#include "album/PreviewPanel.h"
#include "editor/NameDlg.h"
#include "imaging/Bitmap.h"
#include "support/MessageBoxRecorder.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

// Writes a flat-gray 160 by 160 picture file for each record.
void writePictures(const std::vector<PhotoRecord> &records)
{
    int gray = 40;
    for (const PhotoRecord &record : records) {
        QImage image(160, 160, QImage::Format_Grayscale8);
        image.fill(gray);
        gray += 20;
        ASSERT_TRUE(ImgBitmap::FromQImage(image).SaveBmp4(RecordPathString(record)));
    }
}

QStringList listTexts(QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

int selectedRow(QListWidget *list)
{
    const auto rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

class AlbumCommandsTest : public AlbumWindowTest {
protected:
    void openWith(CAlbumDlg &dlg, int photos)
    {
        m_records = NumberedRecords(m_data, photos);
        writePictures(m_records);
        writeAlbum(m_records);
        open(dlg);
    }

    QString picture(int i) const { return RecordPathString(m_records[i]); }

    std::vector<PhotoRecord> m_records;
    MessageBoxRecorder m_messages;
};

} // namespace

TEST_F(AlbumCommandsTest, PanelShowsTheSelectedPictureCentredOnBlack)
{
    CAlbumDlg dlg;
    openWith(dlg, 2);
    auto *panel = dlg.findChild<PreviewPanel *>("1006");
    const QImage shown = panel->pixmap().toImage();
    ASSERT_EQ(shown.size(), panel->contentsRect().size());
    const QPoint corner((shown.width() - 160) / 2, (shown.height() - 160) / 2);
    EXPECT_EQ(qGray(shown.pixel(0, 0)), 0);
    EXPECT_EQ(qGray(shown.pixel(corner.x() - 1, corner.y() + 80)), 0);
    // 40 is written as the nearest of the 16 grays, 34.
    EXPECT_EQ(qGray(shown.pixel(corner + QPoint(80, 80))), 34);
    EXPECT_EQ(qGray(shown.pixel(corner + QPoint(159, 159))), 34);
    EXPECT_EQ(qGray(shown.pixel(corner + QPoint(160, 80))), 0);

    list(dlg)->setCurrentRow(1);
    EXPECT_EQ(qGray(panel->pixmap().toImage().pixel(corner + QPoint(80, 80))), 68);

    // A picture file that went missing does not leave the previous photo on show.
    ASSERT_TRUE(QFile::remove(picture(0)));
    list(dlg)->setCurrentRow(0);
    EXPECT_EQ(qGray(panel->pixmap().toImage().pixel(corner + QPoint(5, 5))), 0);
}

TEST_F(AlbumCommandsTest, RemovingTheOnlyPhotoEmptiesTheAlbum)
{
    CAlbumDlg dlg;
    openWith(dlg, 1);
    m_messages.answer(MessageAnswer::Yes);
    button(dlg, AlbumId::RemovePhoto)->click();
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].text, "Really remove Photo 0 from the album?");
    EXPECT_EQ(m_messages.shown()[0].caption, "Remove Photo");
    EXPECT_EQ(m_messages.shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(list(dlg)->count(), 0);
    EXPECT_FALSE(QFile::exists(picture(0)));
    EXPECT_TRUE(dlg.findChild<PreviewPanel *>("1006")->isShowingNotice());
    for (int id : {AlbumId::RemovePhoto, AlbumId::RenamePhoto, AlbumId::MoveUp, AlbumId::MoveDown})
        EXPECT_FALSE(button(dlg, id)->isEnabled()) << id;
    EXPECT_FALSE(menuItem(dlg, AlbumId::MenuRemove)->isEnabled());
    EXPECT_FALSE(menuItem(dlg, AlbumId::MenuRename)->isEnabled());
}

TEST_F(AlbumCommandsTest, RemovalSelectsTheItemAboveWhateverTheAnswer)
{
    CAlbumDlg dlg;
    openWith(dlg, 4);
    QListWidget *items = list(dlg);

    items->setCurrentRow(2);
    m_messages.answer(MessageAnswer::Yes);
    button(dlg, AlbumId::RemovePhoto)->click();
    EXPECT_EQ(listTexts(items), QStringList({"Photo 0", "Photo 1", "Photo 3"}));
    EXPECT_EQ(selectedRow(items), 1);
    EXPECT_FALSE(QFile::exists(picture(2)));

    items->setCurrentRow(0);
    m_messages.answer(MessageAnswer::Yes);
    menuItem(dlg, AlbumId::MenuRemove)->trigger();
    EXPECT_EQ(listTexts(items), QStringList({"Photo 1", "Photo 3"}));
    EXPECT_EQ(selectedRow(items), 0);

    // No: nothing removed, and the item above becomes the selection.
    items->setCurrentRow(1);
    m_messages.answer(MessageAnswer::No);
    items->setFocus();
    QTest::keyClick(items, Qt::Key_Delete);
    EXPECT_EQ(m_messages.shown().size(), 3u);
    EXPECT_EQ(m_messages.shown().back().text, "Really remove Photo 3 from the album?");
    EXPECT_EQ(listTexts(items), QStringList({"Photo 1", "Photo 3"}));
    EXPECT_EQ(selectedRow(items), 0);
    EXPECT_TRUE(QFile::exists(picture(3)));

    // The file keeps the removed photos until the next save.
    EXPECT_EQ(NamesInFile(m_data.path()).size(), 4);
    QTest::keyClick(items, Qt::Key_Return);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"Photo 1", "Photo 3"}));
}

TEST_F(AlbumCommandsTest, WithoutSelectionRemoveAndRenameExplainAndMovesDoNothing)
{
    CAlbumDlg dlg;
    openWith(dlg, 3);
    QListWidget *items = list(dlg);
    items->setCurrentRow(1);
    const qint64 panelKey = dlg.findChild<PreviewPanel *>("1006")->pixmap().cacheKey();
    items->clearSelection();
    EXPECT_EQ(dlg.findChild<PreviewPanel *>("1006")->pixmap().cacheKey(), panelKey);
    EXPECT_TRUE(button(dlg, AlbumId::MoveUp)->isEnabled());

    button(dlg, AlbumId::RemovePhoto)->click();
    button(dlg, AlbumId::RenamePhoto)->click();
    menuItem(dlg, AlbumId::MenuMoveUp)->trigger();
    menuItem(dlg, AlbumId::MenuMoveDown)->trigger();
    ASSERT_EQ(m_messages.shown().size(), 2u);
    EXPECT_EQ(m_messages.shown()[0].text, "You must first select a photo from the list.");
    EXPECT_EQ(m_messages.shown()[0].caption, "Remove Photo");
    EXPECT_EQ(m_messages.shown()[1].caption, "Rename Photo");
    EXPECT_EQ(listTexts(items), QStringList({"Photo 0", "Photo 1", "Photo 2"}));
}

TEST_F(AlbumCommandsTest, MovesReorderTheListAndTheSavedFile)
{
    CAlbumDlg dlg;
    openWith(dlg, 3);
    QListWidget *items = list(dlg);

    // The first item cannot go up; the menu item is never greyed, so try it there.
    menuItem(dlg, AlbumId::MenuMoveUp)->trigger();
    EXPECT_EQ(listTexts(items), QStringList({"Photo 0", "Photo 1", "Photo 2"}));
    EXPECT_EQ(selectedRow(items), 0);

    items->setCurrentRow(1);
    button(dlg, AlbumId::MoveUp)->click();
    EXPECT_EQ(listTexts(items), QStringList({"Photo 1", "Photo 0", "Photo 2"}));
    EXPECT_EQ(selectedRow(items), 0);
    EXPECT_FALSE(button(dlg, AlbumId::MoveUp)->isEnabled());
    EXPECT_TRUE(button(dlg, AlbumId::MoveDown)->isEnabled());

    items->setCurrentRow(2);
    menuItem(dlg, AlbumId::MenuMoveDown)->trigger();
    EXPECT_EQ(selectedRow(items), 2);
    button(dlg, AlbumId::Exit)->click();
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"Photo 1", "Photo 0", "Photo 2"}));
}

TEST_F(AlbumCommandsTest, RenameChangesOnlyTheNameUntilTheNextSave)
{
    CAlbumDlg dlg;
    openWith(dlg, 2);
    const qint64 panelKey = dlg.findChild<PreviewPanel *>("1006")->pixmap().cacheKey();
    QString prompt;
    QTimer::singleShot(0, [&prompt] {
        auto *name = qobject_cast<CNameDlg *>(QApplication::activeModalWidget());
        ASSERT_NE(name, nullptr);
        prompt = name->windowTitle() + "|" + name->findChild<QLineEdit *>("1013")->text();
        name->findChild<QLineEdit *>("1013")->setText(QString::fromUtf8("Brücke"));
        name->accept();
    });
    button(dlg, AlbumId::RenamePhoto)->click();
    EXPECT_EQ(prompt, "Rename Photo|Photo 0");
    EXPECT_EQ(list(dlg)->item(0)->text(), QString::fromUtf8("Brücke"));
    EXPECT_EQ(RecordName(dlg.records().at(0)), QString::fromUtf8("Brücke"));
    EXPECT_EQ(dlg.findChild<PreviewPanel *>("1006")->pixmap().cacheKey(), panelKey);
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"Photo 0", "Photo 1"}));
    dlg.close();
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({QString::fromUtf8("Brücke"), "Photo 1"}));
}

TEST_F(AlbumCommandsTest, RemoveLeavesFilesAloneThatAreNotThisAlbumsPictures)
{
    TempDir elsewhere;
    const QString outside = elsewhere.file("p0.bmp");
    const QString oddName = m_data.file("holiday.bmp");
    for (const QString &path : {outside, oddName}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    writeAlbum({MakeRecord("Outside", outside, 2), MakeRecord("Odd", oddName, 2)});
    CAlbumDlg dlg;
    open(dlg);
    for (int i = 0; i < 2; ++i) {
        m_messages.answer(MessageAnswer::Yes);
        button(dlg, AlbumId::RemovePhoto)->click();
    }
    EXPECT_EQ(list(dlg)->count(), 0);
    EXPECT_TRUE(QFile::exists(outside));
    EXPECT_TRUE(QFile::exists(oddName));
}

TEST_F(AlbumCommandsTest, FullTableKeepsAddDisabledAfterRemovals)
{
    writeAlbum(NumberedRecords(m_data, 100));
    CAlbumDlg dlg;
    open(dlg);
    EXPECT_FALSE(button(dlg, AlbumId::AddPhoto)->isEnabled());
    for (int i = 0; i < 3; ++i) {
        m_messages.answer(MessageAnswer::Yes);
        button(dlg, AlbumId::RemovePhoto)->click();
    }
    EXPECT_EQ(list(dlg)->count(), 97);
    EXPECT_FALSE(button(dlg, AlbumId::AddPhoto)->isEnabled());
    EXPECT_FALSE(menuItem(dlg, AlbumId::MenuAddFromFile)->isEnabled());
    // Slots are not reused during a run: a 101st record is refused.
    EXPECT_EQ(dlg.AddPhoto("One more", m_data.file("p100.bmp"), 2), 0);
    EXPECT_EQ(list(dlg)->count(), 97);
}

TEST_F(AlbumCommandsTest, HelpOpensTheHelpPageAndGoesWithTheWindow)
{
    QPointer<HelpWindow> help;
    {
        CAlbumDlg dlg;
        openWith(dlg, 1);
        button(dlg, AlbumId::Help)->click();
        help = dlg.findChild<HelpWindow *>();
        ASSERT_FALSE(help.isNull());
        EXPECT_TRUE(help->isVisible());
        EXPECT_TRUE(help->toPlainText().contains("Where your files go"));
        menuItem(dlg, AlbumId::Help)->trigger();
        EXPECT_EQ(dlg.findChildren<HelpWindow *>().size(), 1);
    }
    EXPECT_TRUE(help.isNull());
}
